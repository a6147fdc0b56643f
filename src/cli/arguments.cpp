#include "cli/arguments.h"

#include "core/leading_number.h"

namespace orsalimbra::cli {

std::optional<int> NumberArgument(const std::string& text) { return core::LeadingNumber(text); }

}  // namespace orsalimbra::cli
