#include "plugin/ui/logo_mark.h"

#include <cmath>
#include <numbers>

namespace Kestrix::Bevel {
namespace {

// The shell: a circle of radius 16.1 about (16.8, 24.47), drawn clockwise on screen.
constexpr float kCx = 16.8f;
constexpr float kCy = 24.47f;
constexpr float kShell = 16.1f;
// Control arm of a quarter circle in four cubic segments.
constexpr float kArm = kShell * 0.5523f;
// The counter: an octagon of circumradius 8.6, wound against the shell.
constexpr float kCounter = 8.6f;

class Pen {
 public:
  Pen(const DRAWBOT_PathSuite1& suite, DRAWBOT_PathRef path, float left, float top)
      : suite_(suite), path_(path), left_(left), top_(top) {}
  void moveTo(float x, float y) { suite_.MoveTo(path_, left_ + x, top_ + y); }
  void lineTo(float x, float y) { suite_.LineTo(path_, left_ + x, top_ + y); }
  void bezierTo(float x1, float y1, float x2, float y2, float x3, float y3) {
    const DRAWBOT_PointF32 p1{left_ + x1, top_ + y1};
    const DRAWBOT_PointF32 p2{left_ + x2, top_ + y2};
    const DRAWBOT_PointF32 p3{left_ + x3, top_ + y3};
    suite_.BezierTo(path_, &p1, &p2, &p3);
  }
  void close() { suite_.Close(path_); }

 private:
  const DRAWBOT_PathSuite1& suite_;
  DRAWBOT_PathRef path_;
  float left_;
  float top_;
};

void shell(Pen& pen) {
  const float top = kCy - kShell, bottom = kCy + kShell;
  const float leftEdge = kCx - kShell, rightEdge = kCx + kShell;
  pen.moveTo(kCx, top);
  pen.bezierTo(kCx + kArm, top, rightEdge, kCy - kArm, rightEdge, kCy);
  pen.bezierTo(rightEdge, kCy + kArm, kCx + kArm, bottom, kCx, bottom);
  pen.bezierTo(kCx - kArm, bottom, leftEdge, kCy + kArm, leftEdge, kCy);
  pen.bezierTo(leftEdge, kCy - kArm, kCx - kArm, top, kCx, top);
  pen.close();
}

// Flats at the top, bottom and sides give the counter its cut-stone facets.
void counter(Pen& pen) {
  constexpr double step = std::numbers::pi / 4.0;
  const auto corner = [](int i, float& x, float& y) {
    const double angle = -step * (i + 0.5);
    x = kCx + kCounter * static_cast<float>(std::cos(angle));
    y = kCy + kCounter * static_cast<float>(std::sin(angle));
  };
  float x = 0, y = 0;
  corner(0, x, y);
  pen.moveTo(x, y);
  for (int i = 1; i < 8; ++i) {
    corner(i, x, y);
    pen.lineTo(x, y);
  }
  pen.close();
}

// The tail starts inside the counter, crosses the shell at its lower right and sweeps out
// under the site name's line to a fine point.
void tail(Pen& pen) {
  pen.moveTo(19.6f, 29.2f);
  pen.lineTo(25.4f, 26.3f);
  pen.bezierTo(48.0f, 35.2f, 82.0f, 37.6f, 111.0f, 38.9f);
  pen.bezierTo(80.0f, 40.5f, 46.0f, 40.55f, 28.0f, 40.35f);
  pen.close();
}

// A thinner blade above the tail: the edge of the relief catching the light.
void highlight(Pen& pen) {
  pen.moveTo(36.0f, 27.2f);
  pen.bezierTo(55.0f, 30.8f, 80.0f, 34.0f, 104.0f, 35.6f);
  pen.bezierTo(80.0f, 35.0f, 56.0f, 32.4f, 38.5f, 29.0f);
  pen.close();
}

}  // namespace

void buildLogoMark(const DRAWBOT_PathSuite1& pathSuite, DRAWBOT_PathRef path, float left,
                   float top) {
  Pen pen(pathSuite, path, left, top);
  shell(pen);
  counter(pen);
  tail(pen);
  highlight(pen);
}

}  // namespace Kestrix::Bevel
