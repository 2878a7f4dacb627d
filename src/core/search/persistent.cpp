#include "core/search/persistent.h"

#include "platform/errors.h"

namespace norvane {

void TPersistent::Assign(const TPersistent* Source) {
  std::string from = Source ? Source->ClassName() : "nil";
  throw NorvaneError("Cannot assign a " + from + " to a " + ClassName());
}

}  // namespace norvane
