#include "core/search/assignable.h"

#include "platform/errors.h"

namespace norvane {

void Assignable::Assign(const Assignable* Source) {
  std::string from = Source ? Source->ClassName() : "nil";
  throw NorvaneError("Cannot assign a " + from + " to a " + ClassName());
}

}  // namespace norvane
