// SPDX-License-Identifier: GPL-3.0-or-later
// Fills a CurrentTitle the way the title display does: cleared first, then the title, IMDB,
// media and history readers in that order, each reporting its own failure as it happens.
#pragma once

#include "catalogue/CatalogueReader.h"
#include "catalogue/CurrentTitle.h"
#include "platform/Message.h"

#include <functional>

using MessageSink = std::function<void(const Message&)>;

// True when the title file holds the key. `afterTitleRecord` runs between the title reader and
// the others (the display loads the cover picture there).
bool GatherTitle(const CatalogueReader& reader, const QString& key, CurrentTitle& title,
                 const MessageSink& show, const std::function<void()>& afterTitleRecord = {});
