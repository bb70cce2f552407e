// The base of the overlays shown above the gameplay screen between levels (the mission
// introduction, "Mission Complete", "Mission Failed"). An overlay only says when it has been
// shown long enough; the gameplay screen, which keeps running underneath, removes it and moves
// its level state machine on.
#pragma once

#include "screens/GameScreen.hpp"

#include <cstdint>

namespace tarvex::game {

class BaseOverlay : public GameScreen {
    TARVEX_OBJECT(BaseOverlay, GameScreen)
public:
    [[nodiscard]] virtual bool isFinished() const { return _finished != 0; }

protected:
    std::uint8_t _finished = 0;
};

} // namespace tarvex::game
