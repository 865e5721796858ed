#pragma once
// A tiny HTTP server on 127.0.0.1 that serves the pages a test gives it and counts requests.

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QTcpServer>

namespace sgtest {

class PageServer : public QObject {
    Q_OBJECT
public:
    PageServer();
    // Serves html at path ("/radar.html").
    void setPage(const QString& path, const QByteArray& html);
    QString url(const QString& path) const;
    quint16 port() const { return m_server.serverPort(); }
    int hits(const QString& path) const { return m_hits.value(path); }

private:
    void answer();
    QTcpServer m_server;
    QHash<QString, QByteArray> m_pages;
    QHash<QString, int> m_hits;
};

// A page with a title (shown in its body too) and an optional script.
QByteArray page(const QString& title, const QString& script = {});

} // namespace sgtest
