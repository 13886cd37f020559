#pragma once

namespace dds {

// Resource paths of the secondary windows' pictures and animations.
inline constexpr const char* kTransferAnimation = ":/images/anim_transfer.gif";
inline constexpr const char* kWaitAnimation = ":/images/anim_wait.gif";
inline constexpr const char* kGaugeFill = ":/images/gauge_fill.png";
inline constexpr const char* kGaugeBackground = ":/images/gauge_background.png";
inline constexpr const char* kStartupPicture = ":/images/startup.png";
inline constexpr const char* kAboutPicture = ":/images/about.png";

// Registers the compiled-in artwork. It lives in a static library, where the linker would drop it
// unless something names it; safe to call more than once.
void RegisterArtwork();

} // namespace dds
