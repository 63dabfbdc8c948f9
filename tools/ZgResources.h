// The suite's pictures compiled into the programs as Qt resources.
//
// Three resource libraries, drawn at build time by tools/zgart:
//   zg_res_listbar  the insert mark's ARROW_TOP, ARROW_BOTTOM, ARROW_LEFT,
//                   ARROW_RIGHT, ARROW_TOPLEFT, ARROW_TOPRIGHT,
//                   ARROW_BOTTOMLEFT, ARROW_BOTTOMRIGHT (16 x 16, white on
//                   transparent) and the bar-tab cursor
//   zg_res_button   DITHER (8 x 8, one bit) and CUSTOM_CURSOR_DEFAULT
//   zg_res_shell    the catalog program's splash, logos, band texture, item
//                   pictures <KEY>_NORMAL/_DOWN/_HOVER[16], picture-clip
//                   strip, prompt arrow and hand cursor
// Every picture lives at ":/res/<NAME>.png" and is found by name with
// plat::loadResPicture(NAME). Cursors carry their hot spot in the PNG text
// "HotSpot" = "x,y", which loadResPicture reads.
//
// Initialisation: linking the library is all a consumer does, e.g.
//   target_link_libraries(listbar PUBLIC zg_res_listbar)
// Each library is an INTERFACE target that places its compiled resource
// object file directly on the link line of every executable that ends up
// using it, also through static libraries. The object file registers its
// resources from a static initialiser, so they are present before main()
// and before loadResPicture builds its name index on first use. No call to
// Q_INIT_RESOURCE is needed, and none can be forgotten.
#pragma once

namespace zg::res {

// Names of the pictures whose names the programs choose themselves (the
// other names are fixed by the code that loads them).
inline constexpr char BarTabCursor[] = "BARTAB_CURSOR";   // list bar: hand pointing up, hot spot 15, 10
inline constexpr char Splash[] = "ZGSPLASH";              // 540 x 344, full colour
inline constexpr char ProductLogo[] = "ZGLOGO";           // 313 x 45, one tile of LOGO_BACKGROUND
inline constexpr char MakerLogo[] = "BRELLICOR_LOGO";     // 178 x 38
inline constexpr char PictureClip[] = "NAVBAR_PICCLIP";   // 120 x 24, cells of 24 x 24, mask &HFF00FF
inline constexpr char PromptArrow[] = "PROMPT_ARROW";     // 32 x 32, pointing left
inline constexpr char HandCursor[] = "HAND_CURSOR";       // 32 x 32, hot spot 15, 10

} // namespace zg::res
