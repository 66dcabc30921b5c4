// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct CurrentTitle;

// Genre = CatalogueGenre followed by each IMDB genre it does not contain yet (as a substring,
// letter case ignored), joined by ", ".
void MergeGenres(CurrentTitle& title);
