// SPDX-License-Identifier: GPL-3.0-or-later
// Any pattern, a NUL, then any file name: the tag lame is told to write. A
// listed name is UTF-8 without a NUL; the pattern is whatever was typed.
#include "id3tags.h"

#include <cassert>

extern "C" int LLVMFuzzerTestOneInput(const char *data, size_t size)
{
    const QByteArray bytes(data, qsizetype(size));
    const qsizetype split = qMax<qsizetype>(bytes.indexOf('\0'), 0);
    const QString pattern = QString::fromUtf8(bytes.left(split)), name = QString::fromUtf8(bytes.mid(split).replace('\0', ""));

    const QStringList arguments = id3Arguments(pattern, name);
    const QString preview = tagPreview(pattern, name);
    // One option and its value a field, up to three, then the tag's version.
    assert(arguments.size() % 2 == 1 && arguments.size() >= 3 && arguments.size() <= 7);
    assert(arguments.last() == QLatin1String("--add-id3v2"));
    for (qsizetype i = 0; i + 1 < arguments.size(); i += 2) {
        assert(QStringList({"--tn", "--ta", "--tt"}).contains(arguments[i]));
        // The value goes to lame as valid text, cut from the name alone.
        const QString &value = arguments[i + 1];
        assert(!value.contains(QChar(0)) && QString::fromUtf8(value.toUtf8()) == value);
        assert(name.contains(value) && preview.contains(value));
    }
    return 0;
}
