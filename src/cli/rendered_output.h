#pragma once

#include "engine/coded_text_renderer.h"

#include <string>

namespace tintara::cli
{

// One JSON object per run, each on a line of its own:
// {"text":"…","font":"Arial","size":10,"bold":false,"italic":false,
//  "underline":false,"strike":false,"color":"#RRGGBB"}, the colour in upper case.
void appendRunsJson(std::string &out, const RenderedText &rendered);

// The runs as they look on a terminal with 24-bit colour: SGR codes for colour,
// bold, italic, underline and strike, reset at the end; fonts and sizes are not
// shown. Control characters other than tab and line feed appear as visible
// symbols, so coded text cannot drive the terminal. No line end is added.
void appendAnsi(std::string &out, const RenderedText &rendered);

} // namespace tintara::cli
