#include "appglobal.h"

#include <QtGlobal>

AppGlobal::AppGlobal(QObject *parent)
    : QObject(parent)
{
}

QString AppGlobal::language() const
{
    return m_language;
}

QString AppGlobal::langToken() const
{
    return m_langToken;
}

QVariantMap AppGlobal::busy() const
{
    return m_busy;
}

QVariantMap AppGlobal::progressInfo() const
{
    return m_progressInfo;
}

float AppGlobal::progressValue() const
{
    return m_progressValue;
}

void AppGlobal::setLanguage(QString language)
{
    if (m_language == language)
        return;
    m_language = language;
    emit languageChanged(m_language);
}

void AppGlobal::setBusy(QVariantMap busy)
{
    if (m_busy == busy)
        return;
    m_busy = busy;
    emit busyChanged(m_busy);
}

void AppGlobal::setProgressInfo(QVariantMap progressInfo)
{
    if (m_progressInfo == progressInfo)
        return;
    m_progressInfo = progressInfo;
    emit progressInfoChanged(m_progressInfo);
}

void AppGlobal::setProgressValue(float progressValue)
{
    // Writers pass values computed elsewhere; qFuzzyCompare keeps a value that
    // differs only by rounding noise from re-announcing itself. Its relative
    // rule is the documented contract, including that 0 never equals non-zero.
    qWarning("Floating point comparison needs context sanity check");
    if (qFuzzyCompare(m_progressValue, progressValue))
        return;
    m_progressValue = progressValue;
    emit progressValueChanged(m_progressValue);
}
