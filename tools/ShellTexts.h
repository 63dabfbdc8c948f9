// Texts of the catalog program that are our own wording.
#pragma once

namespace zg::shelltext {

// The splash's legal notice (label lblLegal): 272 characters.
inline constexpr char LegalNotice[] =
    "This demonstration suite and its library are protected by copyright. "
    "Copying, lending or passing on any part of them without the written permission of the maker "
    "is unlawful and may lead to civil claims and to criminal prosecution. "
    "Respect the work of those who built them.";

// The full description of the PICTURE catalog item, as assigned to the label
// (a doubled "&&" shows as one "&").
inline constexpr char PictureDescription[] =
    "Utilize screen && window capture, plus robust image processing features such as resizing, "
    "rotation, color adjustments, and conversion between picture formats.";

// The maker's web site, opened by a click on the maker logo (a reserved
// example domain).
inline constexpr char MakerWebAddress[] = "http://www.brellicor.example/";

} // namespace zg::shelltext
