#pragma once

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>
#include <QTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#endif

namespace TestSupport {

// A line as readable text: printable ASCII as it is, other bytes as \xNN.
inline QString visible(const QByteArray &line)
{
    QString text;
    for (const char c : line) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x20 && b < 0x7F)
            text += QLatin1Char(c);
        else
            text += QStringLiteral("\\x%1").arg(b, 2, 16, QLatin1Char('0'));
    }
    return text;
}

// Empty when equal; otherwise the first line in which the two texts part.
inline QString firstDifference(const QByteArray &actual, const QByteArray &expected)
{
    if (actual == expected)
        return {};
    const QList<QByteArray> a = actual.split('\n');
    const QList<QByteArray> e = expected.split('\n');
    for (qsizetype i = 0; i < std::max(a.size(), e.size()); ++i) {
        const QByteArray al = i < a.size() ? a.at(i) : QByteArray("<end of text>");
        const QByteArray el = i < e.size() ? e.at(i) : QByteArray("<end of text>");
        if (al != el)
            return QStringLiteral("line %1 differs\n  actual:   %2\n  expected: %3")
                .arg(QString::number(i + 1), visible(al), visible(el));
    }
    return QStringLiteral("texts differ in length: %1 against %2 bytes").arg(actual.size()).arg(expected.size());
}

inline QByteArray readBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("<cannot read ") + path.toLocal8Bit() + '>';
    return file.readAll();
}

inline bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A disk that takes only `bytes` more: while a FileSizeLimit lives, every
// file this process writes stops growing there, and the write that crosses
// the limit comes back short instead of raising SIGXFSZ. set() alone does
// the same in a child process between fork and exec.
class FileSizeLimit
{
public:
#ifdef Q_OS_UNIX
    explicit FileSizeLimit(qint64 bytes) { m_active = getrlimit(RLIMIT_FSIZE, &m_before) == 0 && set(bytes); }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_before); }
    static bool set(qint64 bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = rlim_t(bytes);
        return setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
#else
    explicit FileSizeLimit(qint64) {}
#endif
    bool active() const { return m_active; }

private:
    bool m_active = false;
#ifdef Q_OS_UNIX
    rlimit m_before{};
#endif
};

// A named pipe at `path`: opening it for reading waits for a writer.
inline bool makeFifo(const QString &path)
{
#ifdef Q_OS_UNIX
    return mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
#else
    Q_UNUSED(path);
    return false;
#endif
}

} // namespace TestSupport

// Byte-for-byte comparison that names the first differing line.
#define COMPARE_BYTES(actual, expected)                                                        \
    do {                                                                                       \
        const QString velmorantDiff = TestSupport::firstDifference((actual), (expected));      \
        QVERIFY2(velmorantDiff.isEmpty(), qPrintable(velmorantDiff));                          \
    } while (false)
