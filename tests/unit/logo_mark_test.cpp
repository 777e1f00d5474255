// The logo mark is a set of closed subpaths that stays inside its box, clear of the text.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "plugin/ui/logo_mark.h"

namespace {

struct Recorded {
  std::string ops;  // one letter per call: M, L, B, C
  std::vector<DRAWBOT_PointF32> points;
};
Recorded recorded;

const DRAWBOT_PathSuite1 kRecorder{
    [](DRAWBOT_PathRef, float x, float y) -> A_Err {
      recorded.ops += 'M';
      recorded.points.push_back({x, y});
      return 0;
    },
    [](DRAWBOT_PathRef, float x, float y) -> A_Err {
      recorded.ops += 'L';
      recorded.points.push_back({x, y});
      return 0;
    },
    [](DRAWBOT_PathRef, const DRAWBOT_PointF32* a, const DRAWBOT_PointF32* b,
       const DRAWBOT_PointF32* c) -> A_Err {
      recorded.ops += 'B';
      recorded.points.insert(recorded.points.end(), {*a, *b, *c});
      return 0;
    },
    [](DRAWBOT_PathRef, const DRAWBOT_RectF32*) -> A_Err {
      recorded.ops += 'R';
      return 0;
    },
    [](DRAWBOT_PathRef) -> A_Err {
      recorded.ops += 'C';
      return 0;
    },
};

TEST(LogoMark, ClosedSubpathsOfLinesAndCurvesWithinItsBoxAtTheFrameOffset) {
  recorded = {};
  const float left = 30, top = 7;
  Kestrix::Bevel::buildLogoMark(kRecorder, nullptr, left, top);

  ASSERT_FALSE(recorded.ops.empty());
  EXPECT_EQ(recorded.ops.front(), 'M');
  EXPECT_EQ(recorded.ops.back(), 'C');
  EXPECT_EQ(recorded.ops.find('R'), std::string::npos) << "drawn, not boxed";
  EXPECT_NE(recorded.ops.find('L'), std::string::npos);
  EXPECT_NE(recorded.ops.find('B'), std::string::npos);
  // Every subpath ends with Close before the next begins.
  for (std::size_t m = recorded.ops.find('M', 1); m != std::string::npos;
       m = recorded.ops.find('M', m + 1)) {
    EXPECT_EQ(recorded.ops[m - 1], 'C') << recorded.ops;
  }
  // Control points included: curves stay within the hull of theirs.
  for (const DRAWBOT_PointF32& p : recorded.points) {
    EXPECT_GE(p.x - left, 0.46f);
    EXPECT_LE(p.x - left, 111.21f);
    EXPECT_GE(p.y - top, 8.33f);
    EXPECT_LE(p.y - top, 40.61f);
  }
}

}  // namespace
