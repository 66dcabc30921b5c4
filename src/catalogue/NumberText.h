// SPDX-License-Identifier: GPL-3.0-or-later
// Numbers as the catalogue writes them: free text that may start with a number.
#pragma once

#include <QString>

// The number a text starts with ("7.5/10" gives 7.5); 0 when it starts with none.
double LeadingNumber(const QString& text);

// The aspect ratio of a picture's width and height: "2.35:1", "1.85:1", "1.78:1 (16:9)",
// "1.56:1 (14:9)", "1.33:1 (4:3)", or empty when it is none of these or not a size.
QString Aspected(const QString& width, const QString& height);
