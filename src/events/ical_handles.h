// Owning handles for what libical hands out with a free function.
#pragma once

#include <libical/ical.h>

#include <memory>

namespace orsalimbra::events {

struct ComponentFree {
  void operator()(icalcomponent* c) const { icalcomponent_free(c); }
};
using ComponentPtr = std::unique_ptr<icalcomponent, ComponentFree>;

struct ParserFree {
  void operator()(icalparser* p) const { icalparser_free(p); }
};
using ParserPtr = std::unique_ptr<icalparser, ParserFree>;

struct RecurIteratorFree {
  void operator()(icalrecur_iterator* i) const { icalrecur_iterator_free(i); }
};
using RecurIteratorPtr = std::unique_ptr<icalrecur_iterator, RecurIteratorFree>;

}  // namespace orsalimbra::events
