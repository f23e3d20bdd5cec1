#pragma once

// Maps the designed default font, "MS Sans Serif", to Liberation Sans, which has the metrics of
// Arial; without it fontconfig picks a wider face. Call once at start, before any window exists.
void InstallFontSubstitutions();
