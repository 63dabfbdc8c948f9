// Base of every reference object that a Variant can hold (pictures, fonts,
// the list bar's bars and buttons, controls). Reference objects are shared:
// copying a Variant copies the reference, never the object.
#pragma once
#include <memory>

namespace plat {

class Object : public std::enable_shared_from_this<Object> {
public:
    virtual ~Object() = default;
};

using ObjectPtr = std::shared_ptr<Object>;

} // namespace plat
