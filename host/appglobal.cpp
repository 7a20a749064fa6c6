#include "appglobal.h"

#include <QtGlobal>

#include <algorithm>

namespace {

// QVariant's own == converts before comparing, so {"status": 1} would equal
// {"status": true} and "7" would equal 7: a write that means something else
// to the views would be dropped unannounced. Here a value equals another only
// with the same type and the same value, maps and lists compared entry by entry.
bool strictlyEqual(const QVariant &a, const QVariant &b);

bool strictlyEqual(const QVariantMap &a, const QVariantMap &b)
{
    if (a.size() != b.size())
        return false;
    for (auto i = a.cbegin(), j = b.cbegin(); i != a.cend(); ++i, ++j) {
        if (i.key() != j.key() || !strictlyEqual(i.value(), j.value()))
            return false;
    }
    return true;
}

bool strictlyEqual(const QVariant &a, const QVariant &b)
{
    if (a.userType() != b.userType())
        return false;
    if (a.userType() == QMetaType::QVariantMap || a.userType() == QMetaType::QVariantHash)
        return strictlyEqual(a.toMap(), b.toMap());
    if (a.userType() == QMetaType::QVariantList) {
        const QVariantList x = a.toList(), y = b.toList();
        return std::equal(x.cbegin(), x.cend(), y.cbegin(), y.cend(),
            [](const QVariant &v, const QVariant &w) { return strictlyEqual(v, w); });
    }
    return a == b;
}

} // namespace

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
    if (strictlyEqual(m_busy, busy))
        return;
    m_busy = busy;
    emit busyChanged(m_busy);
}

void AppGlobal::setProgressInfo(QVariantMap progressInfo)
{
    if (strictlyEqual(m_progressInfo, progressInfo))
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
