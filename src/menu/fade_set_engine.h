#pragma once

// The engine's fade-set and random-colour headers, for Qt code. Qt defines
// `slots` as a macro (for "private slots:"), which would blank out the member
// FadeSet::slots; the headers are read with the macro set aside, so they may
// be included after any Qt header.
#pragma push_macro("slots")
#undef slots
#include "engine/fade_set.h"
#include "engine/random_colours.h"
#pragma pop_macro("slots")
