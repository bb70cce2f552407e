// The kernel service that runs sprite behaviours: each update, every behaviour in the order
// added; a behaviour that has finished gets onFinish() and is dropped.
//
//     behaviours->add(MoveSpriteBehaviour::Create(label, 100, 40, 0.5F));   // calls onStart()
#pragma once

#include "graphics/SpriteBehaviour.hpp"
#include "kernel/GameService.hpp"

#include <vector>

namespace tarvex::graphics {

class SpriteBehaviourService : public GameService {
    TARVEX_OBJECT(SpriteBehaviourService, GameService)
public:
    SpriteBehaviourService();

    virtual void add(const Ref<AbstractSpriteBehaviour>& behaviour);
    [[nodiscard]] std::size_t countBehaviours() const { return _behaviours.size(); }

    void update(float delta) override;
    void init() override { GameService::init(); }

private:
    std::vector<Ref<AbstractSpriteBehaviour>> _behaviours;
};

} // namespace tarvex::graphics
