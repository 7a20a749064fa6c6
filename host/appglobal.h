#pragma once

#include <QObject>
#include <QString>
#include <QVariantMap>

// The application-wide state that the documents bind to. It only stores and
// announces; whoever holds the published instance drives the overlays.
class AppGlobal : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString language READ language WRITE setLanguage NOTIFY languageChanged)
    Q_PROPERTY(QString langToken READ langToken NOTIFY langTokenChanged)
    Q_PROPERTY(QVariantMap busy READ busy WRITE setBusy NOTIFY busyChanged)
    Q_PROPERTY(QVariantMap progressInfo READ progressInfo WRITE setProgressInfo NOTIFY progressInfoChanged)
    Q_PROPERTY(float progressValue READ progressValue WRITE setProgressValue NOTIFY progressValueChanged)

public:
    explicit AppGlobal(QObject *parent = nullptr);

    QString language() const;
    QString langToken() const;
    QVariantMap busy() const;
    QVariantMap progressInfo() const;
    float progressValue() const;

signals:
    void languageChanged(QString language);
    void langTokenChanged(QString langToken);
    void busyChanged(QVariantMap busy);
    void progressInfoChanged(QVariantMap progressInfo);
    void progressValueChanged(float progressValue);

public slots:
    void setLanguage(QString language);
    void setBusy(QVariantMap busy);
    void setProgressInfo(QVariantMap progressInfo);
    void setProgressValue(float progressValue);

private:
    QString m_language = QStringLiteral("en");
    QString m_langToken;
    QVariantMap m_busy { { QStringLiteral("status"), false }, { QStringLiteral("reason"), QString() } };
    QVariantMap m_progressInfo { { QStringLiteral("visible"), false }, { QStringLiteral("title"), QString() },
        { QStringLiteral("from"), 0 }, { QStringLiteral("to"), 100 } };
    float m_progressValue = 0;
};
