// SPDX-License-Identifier: GPL-3.0-or-later
// The batch document of one title, written into the export folder as Idx + ".mmd".
#pragma once

#include "FileWriter.h"
#include "catalogue/CurrentTitle.h"
#include "platform/Failure.h"

#include <QString>
#include <optional>

// The document's path: the folder (a closing separator added when missing) and the untrimmed
// Idx. An Idx that is empty, could leave the folder ("..", a separator) or holds a character no
// file name should (a control character, NUL above all) names no file.
std::optional<Failure> BatchDocumentPath(const QString& folder, const QString& idx, QString& path);

// Builds the batch document of `title` with `genres` and writes it; an existing document of the
// same name is replaced.
std::optional<Failure> WriteIt(const QString& folder, const CurrentTitle& title,
                               const QString& genres, FileWriter& writer = FileWriter::standard());
