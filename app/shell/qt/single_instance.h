// One window per user and per-user folder: the first start listens on a local
// socket whose name is made from the user id and the configuration folder; a
// second start hands its Workspace path to it and ends. Tests with their own
// XDG_CONFIG_HOME therefore never meet a running window.
#ifndef ORVANA_SHELL_QT_SINGLE_INSTANCE_H
#define ORVANA_SHELL_QT_SINGLE_INSTANCE_H

#include <QLocalServer>
#include <QObject>
#include <QString>

namespace orvana::qt {

class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString& configFolder, QObject* parent = nullptr);

    // True when another window answered and took the path (which may be
    // empty: it then only comes to the front).
    bool handOver(const QString& path);
    // Starts answering later starts; false when the socket cannot be made.
    bool listen();

    const QString& name() const { return name_; }

signals:
    // A later start asked to open this path (empty: just come to the front).
    void pathReceived(const QString& path);

private:
    void readPath();

    QString name_;
    QLocalServer server_;
};

}  // namespace orvana::qt

#endif
