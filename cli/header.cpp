#include <exception>
#include <ostream>

#include "commands.h"
#include "hostsim/effect_event.h"
#include "png_io.h"

namespace ostra::cli {
namespace {

// The header's control area in the Effect Controls panel, as the effect declares it.
constexpr int kHeaderWidth = 200;
constexpr int kHeaderHeight = 50;
constexpr PF_ParamIndex kHeaderIndex = 1;

bool sendQuietCommand(hostsim::Host& host, PF_Cmd cmd, const char* label, std::ostream& err) {
  const hostsim::CallResult result = host.send(cmd);
  if (result.err != PF_Err_NONE)
    err << "quellon header: " << label << " returned " << result.err << '\n';
  return result.err == PF_Err_NONE;
}

}  // namespace

int runHeader(const HeaderOptions& options, std::ostream& out, std::ostream& err) {
  try {
    hostsim::Host host(options.modulePath);
    if (options.panelColor) host.setPanelColor(*options.panelColor);
    // The host sets the effect up before it shows its controls, and sets it down at the end.
    if (!sendQuietCommand(host, PF_Cmd_GLOBAL_SETUP, "Global Setup", err)) return 1;

    const hostsim::EventPlace place{hostsim::EventWindow::EffectControls, kHeaderIndex,
                                    PF_Rect{0, 0, kHeaderWidth, kHeaderHeight}, PF_EA_CONTROL};
    hostsim::EffectEvent draw =
        hostsim::EffectEvent::draw(place, kHeaderWidth, kHeaderHeight, options.scale);
    const hostsim::CallResult result = hostsim::sendEvent(host, draw);
    const bool drawn = result.err == PF_Err_NONE;
    if (!drawn) err << "quellon header: the draw event returned " << result.err << '\n';
    const bool setDown = sendQuietCommand(host, PF_Cmd_GLOBAL_SETDOWN, "Global Setdown", err);
    if (!drawn || !setDown) return 1;

    const hostsim::DrawbotCanvas& canvas = *draw.canvas();
    const auto rgba = canvas.rgba();
    writePng(options.output, RgbaImage{canvas.pixelWidth(), canvas.pixelHeight(),
                                       std::vector<uint8_t>(rgba.begin(), rgba.end())});
    out << "wrote " << options.output << " (" << canvas.pixelWidth() << "x" << canvas.pixelHeight()
        << ")\n";
    return 0;
  } catch (const std::exception& failure) {
    err << "quellon header: " << failure.what() << '\n';
    return 1;
  }
}

}  // namespace ostra::cli
