#include "page_fixture.h"

#include <gtest/gtest.h>

namespace orsalimbra::render::testing {

Op PageFixture::OnlyText(const std::string& text) const {
  const std::vector<Op> ops = TextOps(text);
  EXPECT_EQ(ops.size(), 1u) << "text \"" << text << "\"";
  return ops.empty() ? Op{} : ops.front();
}

}  // namespace orsalimbra::render::testing
