// A piece of text held as an object, for places that store objects but are given text (header
// fields of the debug log, values of the session store).
#pragma once

#include "core/Object.hpp"

#include <string>

namespace tarvex {

class TextObject : public Object {
    TARVEX_OBJECT(TextObject, Object)
public:
    TextObject() = default;
    explicit TextObject(std::string text) : value(std::move(text)) {}
    [[nodiscard]] static Ref<TextObject> Create(std::string text) {
        return std::make_shared<TextObject>(std::move(text));
    }

    [[nodiscard]] std::string ToString() const override { return value; }

    std::string value;
};

} // namespace tarvex
