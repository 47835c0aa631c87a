#pragma once

namespace tav {

/// The program's release number, as `tavctl --version`, `tavprog --version` and the About box show
/// it. The build sets it from the project version; the data version that files and radios carry is
/// a separate, fixed text (Document::kProgramVersion).
inline constexpr const char* kReleaseVersion = TAV_VERSION;

} // namespace tav
