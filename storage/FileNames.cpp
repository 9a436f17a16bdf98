// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/FileNames.h"

namespace {

constexpr char16_t strayBase = 0xDC00;

bool IsContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// The length of the valid UTF-8 sequence at the front of the bytes, or 0. Over-
// long forms, encoded surrogates and code points past U+10FFFF are not valid.
int SequenceLength(const unsigned char *bytes, qsizetype left)
{
    const unsigned char lead = bytes[0];
    int length = 0;
    unsigned char low = 0x80, high = 0xBF; // the range allowed for the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0;
        if (lead == 0xED)
            high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;
        if (lead == 0xF4)
            high = 0x8F;
    } else {
        return 0;
    }
    if (left < length || bytes[1] < low || bytes[1] > high)
        return 0;
    for (int i = 2; i < length; ++i)
        if (!IsContinuation(bytes[i]))
            return 0;
    return length;
}

} // namespace

QString DecodeFileName(const QByteArray &name)
{
    QString text;
    text.reserve(name.size());
    const auto *bytes = reinterpret_cast<const unsigned char *>(name.constData());
    const qsizetype size = name.size();
    for (qsizetype i = 0; i < size;) {
        if (bytes[i] < 0x80) {
            text += QChar(bytes[i++]);
            continue;
        }
        const int length = SequenceLength(bytes + i, size - i);
        if (length == 0) {
            text += QChar(char16_t(strayBase + bytes[i++]));
            continue;
        }
        text += QString::fromUtf8(name.constData() + i, length);
        i += length;
    }
    return text;
}

QByteArray EncodeFileName(const QString &name)
{
    QByteArray bytes;
    bytes.reserve(name.size());
    qsizetype runStart = 0;
    auto flushRun = [&](qsizetype end) {
        bytes += QStringView(name).sliced(runStart, end - runStart).toUtf8();
    };
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t c = name[i].unicode();
        // The second half of a surrogate pair is part of a character, not a stray byte.
        const bool paired = i > 0 && name[i - 1].isHighSurrogate();
        if (c >= strayBase + 0x80 && c <= strayBase + 0xFF && !paired) {
            flushRun(i);
            bytes += char(c - strayBase);
            runStart = i + 1;
        }
    }
    flushRun(name.size());
    return bytes;
}

QStringList CommandLineArguments(int argc, const char *const *argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << DecodeFileName(QByteArray(argv[i]));
    return arguments;
}
