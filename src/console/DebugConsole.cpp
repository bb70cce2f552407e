#include "console/DebugConsole.hpp"

#include "core/DebugLog.hpp"
#include "core/TypeBuilder.hpp"
#include "platform/AudioDevice.hpp"
#include "platform/DrawingLayer.hpp"
#include "platform/Input.hpp"

#include <algorithm>

namespace tarvex {

const Type& DebugConsole::staticType() {
    static const Type& type = TypeBuilder<DebugConsole>("DebugConsole")
                                  .field("_fontName", &DebugConsole::_fontName)
                                  .field("_speed", &DebugConsole::_speed)
                                  .field("xPos", &DebugConsole::xPos)
                                  .field("yPos", &DebugConsole::yPos)
                                  .field("m_Width", &DebugConsole::m_Width)
                                  .field("m_Height", &DebugConsole::m_Height)
                                  .field("m_TextRows", &DebugConsole::m_TextRows)
                                  .field("m_InputBuffer", &DebugConsole::m_InputBuffer)
                                  .field("m_OutputBuffer", &DebugConsole::m_OutputBuffer)
                                  .field("m_CommandLog", &DebugConsole::m_CommandLog)
                                  .field("m_CommandPos", &DebugConsole::m_CommandPos)
                                  .field("m_State", &DebugConsole::m_State)
                                  .field("m_Visible", &DebugConsole::m_Visible)
                                  .field("m_Active", &DebugConsole::m_Active)
                                  .field("m_Commands", &DebugConsole::m_Commands)
                                  .field("gfx_Console", &DebugConsole::gfx_Console)
                                  .field("gfx_Background", &DebugConsole::gfx_Background)
                                  .field("m_Font", &DebugConsole::m_Font)
                                  .field("snd_Appear", &DebugConsole::snd_Appear)
                                  .field("snd_Disappear", &DebugConsole::snd_Disappear)
                                  .build();
    return type;
}

Ref<DebugConsole> DebugConsole::Create(const Ref<platform::Image>& background,
                                       const std::string& fontName, std::int32_t fontSize) {
    if (!background) {
        return nullptr;
    }
    auto console = std::make_shared<DebugConsole>();
    console->setBackground(background);
    console->SetFont(fontName, fontSize, false, false);
    console->xPos = 0;
    console->yPos = -console->m_Height;
    return console;
}

void DebugConsole::setBackground(const Ref<platform::Image>& image) {
    if (!image) {
        return;
    }
    gfx_Background = image;
    m_Width = image->width();
    m_Height = image->height();
    gfx_Console = platform::Image::fromPixmap(platform::Pixmap(m_Width, m_Height));
    // At least one pixel per frame: a panel under 10 pixels high would never finish sliding.
    _speed = std::max(1, m_Height / 10);
}

void DebugConsole::SetFont(const std::string& name, std::int32_t size, bool /*bold*/, bool smooth) {
    _fontName = name;
    m_Font = platform::ImageFont::load(name, size, smooth ? platform::FONT_SMOOTH : 0);
    const int fontHeight = (m_Font && m_Font->height() > 0) ? m_Font->height() : 10;
    m_TextRows = (m_Height - 10) / fontHeight - 2;
}

void DebugConsole::update() {
    auto& keys = platform::keyboard();
    switch (m_State) {
    case STATE_HIDDEN:
        if (keys.keyDown(KEY_GRAVE)) {
            m_Visible = 1;
            m_State = STATE_APPEARING;
            _play(snd_Appear);
            keys.flush();
        }
        break;
    case STATE_APPEARING:
        if (yPos < 0) {
            yPos += _speed;
        }
        if (yPos >= 0) {
            yPos = 0;
            m_State = STATE_ACTIVE;
        }
        break;
    case STATE_ACTIVE:
        if (keys.keyDown(KEY_GRAVE)) {
            m_State = STATE_DISAPPEARING;
            _play(snd_Disappear);
        } else {
            handleInput();
        }
        break;
    case STATE_DISAPPEARING:
        if (yPos > 1 - m_Height) {
            yPos -= _speed;
        }
        if (yPos <= 1 - m_Height) {
            m_State = STATE_HIDDEN;
            m_Visible = 0;
        }
        break;
    default:
        break;
    }
}

void DebugConsole::handleInput() {
    auto& keys = platform::keyboard();
    const bool left = keys.keyHit(platform::KEY_LEFT) > 0;
    const bool up = keys.keyHit(platform::KEY_UP) > 0;
    const bool down = keys.keyHit(platform::KEY_DOWN) > 0;
    const auto logSize = static_cast<std::int32_t>(m_CommandLog.size());
    if (left) {
        // nothing: the cursor does not move within the line
    } else if (up && logSize > 0 && m_CommandPos >= 0) {
        m_InputBuffer = m_CommandLog[static_cast<std::size_t>(m_CommandPos)];
        if (m_CommandPos > 0) {
            --m_CommandPos;
        }
    } else if (down) {
        if (m_CommandPos < logSize - 1) {
            ++m_CommandPos;
            m_InputBuffer = m_CommandLog[static_cast<std::size_t>(m_CommandPos)];
        } else {
            m_InputBuffer.clear();
        }
    } else {
        // Every character typed since the last frame, so that quick typing loses none.
        for (int character = keys.getChar(); character != 0; character = keys.getChar()) {
            _typeCharacter(character);
        }
    }
    keys.flush();
}

void DebugConsole::_typeCharacter(int character) {
    if (character == platform::KEY_BACKSPACE) {
        if (!m_InputBuffer.empty()) {
            m_InputBuffer.pop_back();
        }
    } else if (character == platform::KEY_ENTER) {
        const std::string line = m_InputBuffer;
        m_CommandLog.push_back(line);
        m_CommandPos = static_cast<std::int32_t>(m_CommandLog.size()) - 1;
        m_OutputBuffer.push_back(line);
        m_InputBuffer.clear();
        runCommand(line);
    } else if (character > 0) {
        m_InputBuffer.push_back(static_cast<char>(character));
    }
}

void DebugConsole::runCommand(const std::string& line) {
    _lastInputLine = line;
    const auto word = toLowerAscii(line.substr(0, line.find(' ')));
    if (hasCommand(word)) {
        executeCommand(word, SplitCommand(line));
        return;
    }
    const auto found = m_Commands.find(word);
    if (found != m_Commands.end()) {
        const auto handler = found->second; // may replace itself while it runs
        (void)handler->Execute(*this, SplitCommand(line));
        return;
    }
    debugLog("DebugConsole: No handler for: " + word);
}

ConsoleArgs DebugConsole::SplitCommand(const std::string& line) const {
    ConsoleArgs pieces;
    if (line.empty()) {
        return pieces;
    }
    std::string piece;
    bool quoted = false;
    for (const char c : line) {
        if (c == '"') {
            quoted = !quoted;
        } else if (c == ' ' && !quoted) {
            pieces.push_back(std::move(piece));
            piece.clear();
        } else {
            piece.push_back(c);
        }
    }
    pieces.push_back(std::move(piece));
    pieces.front() = line; // the command word gives way to the whole line
    return pieces;
}

void DebugConsole::render() {
    if (m_Visible == 0) {
        return;
    }
    auto& gfx = platform::drawingLayer();
    gfx.drawImage(*gfx_Console, static_cast<float>(xPos), static_cast<float>(yPos));
    gfx.drawImage(*gfx_Background, static_cast<float>(xPos), static_cast<float>(yPos));
    RenderText();
}

void DebugConsole::RenderText() {
    auto& gfx = platform::drawingLayer();
    const auto previous = gfx.font();
    gfx.setFont(m_Font);
    gfx.setScale(0.5F, 0.5F);
    const int step = gfx.textHeight("`j") / 2;
    const auto count = static_cast<std::int32_t>(m_OutputBuffer.size());
    const std::int32_t shown = std::min({m_TextRows, MAX_SHOWN_LINES, count});
    for (std::int32_t i = 0; i < shown; ++i) {
        const auto& line = m_OutputBuffer[static_cast<std::size_t>(count - 1 - i)];
        const auto y = static_cast<float>(yPos + m_Height - 35 - step * i);
        gfx.setColor(0, 0, 0);
        gfx.drawText(line, 10, y + 1);
        gfx.setColor(255, 255, 255);
        gfx.drawText(line, 9, y);
    }
    const std::string prompt = "]" + m_InputBuffer + "_";
    gfx.setColor(0, 0, 0);
    gfx.drawText(prompt, 10, static_cast<float>(yPos + m_Height - 18));
    gfx.setColor(255, 255, 255);
    gfx.drawText(prompt, 9, static_cast<float>(yPos + m_Height - 19));
    gfx.setScale(1.0F, 1.0F);
    gfx.setFont(previous);
}

void DebugConsole::addCommandHandler(const std::string& name, Object* parent,
                                     ConsoleFunction function) {
    m_Commands[toLowerAscii(name)] = ConsoleCommandHandler::Create(parent, std::move(function));
}

void DebugConsole::writeLine(const std::string& text) {
    m_OutputBuffer.push_back(text);
    debugLog(text);
}

void DebugConsole::write(const std::string& text) {
    m_OutputBuffer.push_back(text);
}

Object* DebugConsole::Handle_DlogWrite(std::int32_t /*id*/, Object* data, Object* context) {
    if (auto* console = dynamic_cast<IConsole*>(context)) {
        console->write("dlog: " + (data != nullptr ? data->ToString() : std::string()));
    }
    return nullptr;
}

void DebugConsole::_play(const Ref<platform::Sound>& sound) {
    if (sound) {
        (void)platform::audioDevice()->play(sound);
    }
}

} // namespace tarvex
