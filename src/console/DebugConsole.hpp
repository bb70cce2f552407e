// The drop-down console drawn over the game. The console key (223, the backquote key) slides
// the panel down from the top of the screen and up again; while it is open, typed characters
// edit the line, Enter runs it, Up and Down walk back and forth through the lines entered
// before. The first word of a line picks a ConsoleCommand or a handler function, either
// matched without regard to case; the newest output lines are shown above the prompt.
//
//     auto console = DebugConsole::Create(background, "incbin::small-font.ttf", 20);
//     console->addCommandHandler("fps", this, &showFrameRate);
//     // each frame:
//     console->update();
//     console->render();
//
// It reads the polled keyboard and draws through the drawing layer: main thread only.
#pragma once

#include "console/ConsoleCommand.hpp"
#include "platform/Image.hpp"
#include "platform/ImageFont.hpp"
#include "platform/Sound.hpp"

namespace tarvex {

class DebugConsole : public IConsole {
    TARVEX_OBJECT(DebugConsole, IConsole)
public:
    static constexpr std::int32_t KEY_GRAVE = 223;
    static constexpr std::int32_t STATE_HIDDEN = 1;
    static constexpr std::int32_t STATE_ACTIVE = 2;
    static constexpr std::int32_t STATE_APPEARING = 3;
    static constexpr std::int32_t STATE_DISAPPEARING = 4;
    // Output lines shown at most, however tall the panel.
    static constexpr std::int32_t MAX_SHOWN_LINES = 12;

    DebugConsole() = default;

    // A hidden console with this background and font; null for a null background.
    [[nodiscard]] static Ref<DebugConsole> Create(const Ref<platform::Image>& background,
                                                  const std::string& fontName,
                                                  std::int32_t fontSize);

    // Slides, toggles and reads the keyboard; once per frame.
    void update() override;
    // Draws the panel, the output and the prompt when visible.
    void render() override;
    void addCommandHandler(const std::string& name, Object* parent,
                           ConsoleFunction function) override;
    void writeLine(const std::string& text) override;
    void write(const std::string& text) override;

    // Loads the font; the number of text rows follows from it and the panel height.
    virtual void SetFont(const std::string& name, std::int32_t size, bool bold, bool smooth);
    // Takes the panel's size (and its sliding speed) from the image.
    virtual void setBackground(const Ref<platform::Image>& image);
    // Line editing, history and Enter, from the keys hit and characters typed since the last
    // frame; the keyboard state is forgotten afterwards.
    virtual void handleInput();
    // Hook function: writes "dlog: " and the data's text into the console given as context.
    static Object* Handle_DlogWrite(std::int32_t id, Object* data, Object* context);
    // Handler objects register through addCommand; this does nothing.
    virtual void AddCommandHandlerObject(const ObjectRef& /*handler*/) {}
    // Runs the command or handler named by the line's first word.
    virtual void runCommand(const std::string& line);
    // The drawing layer cannot draw into images, so the panel is only ever drawn by render();
    // this does nothing.
    virtual void RenderImage() {}
    virtual void RenderText();
    // "" gives no arguments; otherwise the whole line, then the pieces between blanks that are
    // not inside double quotes (the quotes dropped; two blanks make an empty piece).
    [[nodiscard]] virtual ConsoleArgs SplitCommand(const std::string& line) const;

    void setSounds(Ref<platform::Sound> appear, Ref<platform::Sound> disappear) {
        snd_Appear = std::move(appear);
        snd_Disappear = std::move(disappear);
    }

    [[nodiscard]] std::int32_t getState() const { return m_State; }
    [[nodiscard]] bool isVisible() const { return m_Visible != 0; }
    [[nodiscard]] std::int32_t getY() const { return yPos; }
    [[nodiscard]] std::int32_t getSpeed() const { return _speed; }
    [[nodiscard]] std::int32_t getWidth() const { return m_Width; }
    [[nodiscard]] std::int32_t getHeight() const { return m_Height; }
    [[nodiscard]] std::int32_t getTextRows() const { return m_TextRows; }
    [[nodiscard]] const std::string& getInput() const { return m_InputBuffer; }
    [[nodiscard]] const std::vector<std::string>& getOutput() const { return m_OutputBuffer; }
    [[nodiscard]] const std::vector<std::string>& getCommandLog() const { return m_CommandLog; }

private:
    void _typeCharacter(int character);
    static void _play(const Ref<platform::Sound>& sound);

    std::string _fontName;
    std::int32_t _speed = 1;
    std::int32_t xPos = 0;
    std::int32_t yPos = 0;
    std::int32_t m_Width = 0;
    std::int32_t m_Height = 0;
    std::int32_t m_TextRows = 0;
    std::string m_InputBuffer;
    std::vector<std::string> m_OutputBuffer;
    std::vector<std::string> m_CommandLog;
    std::int32_t m_CommandPos = 0;
    std::int32_t m_State = STATE_HIDDEN;
    std::int32_t m_Visible = 0;
    std::int32_t m_Active = 0;
    std::map<std::string, Ref<ConsoleCommandHandler>, std::less<>> m_Commands;
    Ref<platform::Image> gfx_Console;
    Ref<platform::Image> gfx_Background;
    Ref<platform::ImageFont> m_Font;
    Ref<platform::Sound> snd_Appear;
    Ref<platform::Sound> snd_Disappear;
};

} // namespace tarvex
