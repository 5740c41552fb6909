#pragma once

#include <QByteArray>

// Cutting UTF-8 text to a byte limit without splitting a character.

// The largest length <= maxBytes at which `data` can be cut so that no
// multi-byte character is split. `data` must hold at least maxBytes bytes.
int utf8BoundaryBefore(const char *data, int maxBytes);

// The longest prefix of `text` of at most maxBytes bytes that ends on a
// character boundary.
QByteArray utf8Left(const QByteArray &text, int maxBytes);
