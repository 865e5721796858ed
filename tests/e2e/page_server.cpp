#include "page_server.h"

#include <QTcpSocket>

namespace sgtest {

PageServer::PageServer()
{
    connect(&m_server, &QTcpServer::newConnection, this, &PageServer::answer);
    m_server.listen(QHostAddress::LocalHost);
}

void PageServer::setPage(const QString& path, const QByteArray& html)
{
    m_pages[path] = html;
}

QString PageServer::url(const QString& path) const
{
    return QStringLiteral("http://127.0.0.1:%1%2").arg(port()).arg(path);
}

void PageServer::answer()
{
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
            const QByteArray request = socket->readAll();
            const QList<QByteArray> words = request.split(' ');
            const QString path = words.size() > 1 ? QString::fromLatin1(words[1]) : QString();
            m_hits[path] += 1;
            const bool found = m_pages.contains(path);
            const QByteArray body
                = found ? m_pages.value(path) : QByteArray("<html>missing</html>");
            QByteArray reply = found ? "HTTP/1.1 200 OK\r\n" : "HTTP/1.1 404 Not Found\r\n";
            reply += "Content-Type: text/html; charset=utf-8\r\nCache-Control: no-store\r\n";
            reply += "Connection: close\r\nContent-Length: " + QByteArray::number(body.size());
            reply += "\r\n\r\n" + body;
            socket->write(reply);
            socket->disconnectFromHost();
        });
    }
}

QByteArray page(const QString& title, const QString& script)
{
    return QStringLiteral("<html><head><title>%1</title></head><body><p>%1</p><script>%2</script>"
                          "</body></html>")
        .arg(title, script)
        .toUtf8();
}

} // namespace sgtest
