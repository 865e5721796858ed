#pragma once
// Memory of a process and all its descendants (the engine's helper processes), from /proc.

#include <QDir>
#include <QFile>
#include <QMap>
#include <QSet>
#include <cstdio>
#include <unistd.h>

namespace sgbench {

// Proportional set size in KiB (shared pages split between the processes that map them).
inline qint64 pssKib(int pid)
{
    QFile f(QStringLiteral("/proc/%1/smaps_rollup").arg(pid));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : f.readAll().split('\n')) {
        if (line.startsWith("Pss:"))
            return line.mid(4).trimmed().split(' ').value(0).toLongLong();
    }
    return 0;
}

// The PSS of this process and every process below it, KiB.
inline qint64 processTreePssKib()
{
    QMap<int, int> parentOf;
    for (const QString& name : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool ok = false;
        const int pid = name.toInt(&ok);
        if (!ok)
            continue;
        QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray text = stat.readAll();
        const int close = text.lastIndexOf(')');
        const QList<QByteArray> fields = text.mid(close + 2).split(' ');
        parentOf[pid] = fields.value(1).toInt();
    }
    const int self = static_cast<int>(::getpid());
    qint64 total = 0;
    for (auto it = parentOf.begin(); it != parentOf.end(); ++it) {
        int p = it.key();
        while (p > 1 && p != self)
            p = parentOf.value(p, 0);
        if (p == self)
            total += pssKib(it.key());
    }
    return total;
}

// Prints "<key> <KiB>" for the process tree, the line the benchmark script reads.
inline void printTreePss(const char* key)
{
    std::printf("%s %lld\n", key, static_cast<long long>(processTreePssKib()));
}

} // namespace sgbench
