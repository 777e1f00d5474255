// For tests that read what was drawn off the host's canvas. The Windows build's canvas has no
// rasteriser (Cairo is built for Linux only) and stays blank, so there they are skipped.
#pragma once

#include <gtest/gtest.h>

#include "hostsim/drawbot_canvas.h"

#define OSTRA_SKIP_UNLESS_THE_CANVAS_DRAWS()          \
  if (!::ostra::hostsim::DrawbotCanvas::rasterises()) \
  GTEST_SKIP() << "this build's canvas draws nothing: Cairo is built for Linux only"
