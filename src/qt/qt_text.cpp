#include "qt/qt_text.h"

#include "text/symbolfont.h"

#include <QFile>

namespace quan::qtui {

namespace {

// Windows-1252 bytes 0x80..0x9F; the five unassigned ones keep their C1
// control code.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, //
};

char16_t cp1252Char(unsigned char c)
{
    if (c >= 0x80 && c < 0xA0)
        return kCp1252High[c - 0x80];
    return c;
}

int cp1252Byte(char16_t u)
{
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (int i = 0; i < 32; ++i)
        if (kCp1252High[i] == u)
            return 0x80 + i;
    return -1;
}

// Valid UTF-8 with at least one multi-byte sequence.
bool looksUtf8(const std::string& s)
{
    bool multi = false;
    size_t i = 0, n = s.size();
    while (i < n) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        int len;
        uint32_t cp;
        if ((c & 0xE0) == 0xC0) {
            len = 2;
            cp = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            len = 3;
            cp = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            len = 4;
            cp = c & 0x07;
        } else {
            return false;
        }
        if (i + static_cast<size_t>(len) > n)
            return false;
        for (int k = 1; k < len; ++k) {
            unsigned char d = static_cast<unsigned char>(s[i + static_cast<size_t>(k)]);
            if ((d & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (d & 0x3F);
        }
        // Overlong forms, surrogates and values past Unicode are not UTF-8.
        if ((len == 2 && cp < 0x80) || (len == 3 && cp < 0x800) || (len == 4 && cp < 0x10000) ||
            (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF)
            return false;
        multi = true;
        i += static_cast<size_t>(len);
    }
    return multi;
}

} // namespace

QString fromCp1252(const std::string& s)
{
    QString out;
    out.resize(static_cast<qsizetype>(s.size()));
    for (size_t i = 0; i < s.size(); ++i)
        out[static_cast<qsizetype>(i)] = QChar(cp1252Char(static_cast<unsigned char>(s[i])));
    return out;
}

std::string toCp1252(const QString& s)
{
    std::string out;
    out.reserve(static_cast<size_t>(s.size()));
    for (QChar ch : s) {
        int b = cp1252Byte(ch.unicode());
        out += b < 0 ? '?' : static_cast<char>(b);
    }
    return out;
}

bool fitsCp1252(const QString& s)
{
    for (QChar ch : s)
        if (cp1252Byte(ch.unicode()) < 0)
            return false;
    return true;
}

QString fromUi(const std::string& s)
{
    if (looksUtf8(s))
        return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
    return fromCp1252(s);
}

std::string toUi(const QString& s)
{
    if (fitsCp1252(s))
        return toCp1252(s);
    return s.toStdString();
}

QString fromSymbol(const std::string& s)
{
    QString out;
    out.reserve(static_cast<qsizetype>(s.size()));
    for (char c : s) {
        char32_t u = quan::symbolToUnicode(static_cast<unsigned char>(c));
        if (u < 0x10000)
            out += QChar(static_cast<char16_t>(u));
        else
            out += QString::fromUcs4(&u, 1);
    }
    return out;
}

QString fromPath(const std::string& s)
{
    return QFile::decodeName(QByteArray(s.data(), static_cast<qsizetype>(s.size())));
}

std::string toPath(const QString& s)
{
    QByteArray b = QFile::encodeName(s);
    return std::string(b.constData(), static_cast<size_t>(b.size()));
}

QString toLf(const QString& s)
{
    QString out;
    out.reserve(s.size());
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (s[i] == u'\r') {
            out += u'\n';
            if (i + 1 < s.size() && s[i + 1] == u'\n')
                ++i;
        } else {
            out += s[i];
        }
    }
    return out;
}

QString toCrLf(const QString& s)
{
    QString lf = toLf(s);
    QString out;
    out.reserve(lf.size() + lf.size() / 16);
    for (QChar ch : lf) {
        if (ch == u'\n')
            out += u'\r';
        out += ch;
    }
    return out;
}

} // namespace quan::qtui
