#include "testsupport.h"

#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QQuickItem>
#include <QQuickStyle>
#include <QQuickWindow>
#include <QVector>
#include <QtCore/private/qabstractanimation_p.h>
#include <QtGlobal>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>
#include <QtMath>

#include <algorithm>

bool TestSupport::grab(QQuickItem *item)
{
    if (!item || !item->window() || !item->window()->isExposed())
        return false;
    m_image = item->window()->grabWindow().convertToFormat(QImage::Format_ARGB32);
    m_ratio = item->window()->effectiveDevicePixelRatio();
    return !m_image.isNull();
}

QPoint TestSupport::toImage(QQuickItem *item, qreal x, qreal y) const
{
    const QPointF scene = item ? item->mapToScene(QPointF(x, y)) : QPointF(x, y);
    return QPoint(qFloor(scene.x() * m_ratio), qFloor(scene.y() * m_ratio));
}

QColor TestSupport::pixel(QQuickItem *item, qreal x, qreal y) const
{
    const QPoint p = toImage(item, x, y);
    if (!m_image.valid(p))
        return QColor();
    return QColor::fromRgba(m_image.pixel(p));
}

// Largest difference of any channel, alpha too.
static int channelDifference(QRgb a, QRgb b)
{
    return std::max({ qAbs(qRed(a) - qRed(b)), qAbs(qGreen(a) - qGreen(b)), qAbs(qBlue(a) - qBlue(b)),
        qAbs(qAlpha(a) - qAlpha(b)) });
}

static QColor toColor(const QVariant &value)
{
    return value.userType() == QMetaType::QString ? QColor(value.toString()) : value.value<QColor>();
}

bool TestSupport::near(const QVariant &first, const QVariant &second, int tolerance) const
{
    const QColor a = toColor(first);
    const QColor b = toColor(second);
    return a.isValid() && b.isValid() && channelDifference(a.rgba(), b.rgba()) <= tolerance;
}

QColor TestSupport::average(QQuickItem *item, qreal x, qreal y, qreal width, qreal height) const
{
    const QPoint from = toImage(item, x, y);
    const QPoint to = toImage(item, x + width, y + height);
    qint64 r = 0, g = 0, b = 0, a = 0, n = 0;
    for (int py = from.y(); py < to.y(); ++py) {
        for (int px = from.x(); px < to.x(); ++px) {
            if (!m_image.valid(px, py))
                continue;
            const QRgb c = m_image.pixel(px, py);
            r += qRed(c);
            g += qGreen(c);
            b += qBlue(c);
            a += qAlpha(c);
            ++n;
        }
    }
    if (n == 0)
        return QColor();
    return QColor(int(r / n), int(g / n), int(b / n), int(a / n));
}

int TestSupport::largestDifference(QQuickItem *item, QQuickItem *reference) const
{
    const QPoint from = toImage(item, 0, 0);
    const QPoint to = toImage(item, item->width(), item->height());
    const QPoint shift = toImage(reference, 0, 0) - from;
    int largest = -1;
    for (int py = from.y(); py < to.y(); ++py) {
        for (int px = from.x(); px < to.x(); ++px) {
            if (!m_image.valid(px, py) || !m_image.valid(px + shift.x(), py + shift.y()))
                return -1;
            largest = std::max(
                largest, channelDifference(m_image.pixel(px, py), m_image.pixel(px + shift.x(), py + shift.y())));
        }
    }
    return largest;
}

QVariantMap TestSupport::mirrorDifference(
    QQuickItem *item, QQuickItem *reference, const QVariantList &skip, int slack) const
{
    QVariantMap result { { QStringLiteral("largest"), -1 }, { QStringLiteral("x"), 0 }, { QStringLiteral("y"), 0 } };
    if (!item || !reference)
        return result;
    const QPoint from = toImage(item, 0, 0);
    const QPoint to = toImage(item, item->width(), item->height());
    const QPoint mirrorFrom = toImage(reference, 0, 0);
    if (toImage(reference, reference->width(), reference->height()) - mirrorFrom != to - from)
        return result;
    QVector<QRectF> skipped;
    for (const QVariant &rect : skip)
        skipped.append(rect.toRectF());
    // Untransformed boxes side by side: the item's coordinates are the scene's, shifted.
    const QPointF origin = item->mapToScene(QPointF(0, 0));
    int largest = 0;
    for (int py = from.y(); py < to.y(); ++py) {
        for (int px = from.x(); px < to.x(); ++px) {
            const int mx = mirrorFrom.x() + (to.x() - 1 - px);
            const int my = mirrorFrom.y() + (py - from.y());
            if (!m_image.valid(px, py) || !m_image.valid(mx, my))
                return result;
            const QPointF local = QPointF((px + 0.5) / m_ratio, (py + 0.5) / m_ratio) - origin;
            if (std::any_of(skipped.cbegin(), skipped.cend(), [&](const QRectF &r) { return r.contains(local); }))
                continue;
            const QRgb a = m_image.pixel(px, py);
            int difference = 256;
            for (int dx = -slack; dx <= slack; ++dx) {
                if (!m_image.valid(mx + dx, my))
                    continue;
                difference = std::min(difference, channelDifference(a, m_image.pixel(mx + dx, my)));
            }
            if (difference > largest) {
                largest = difference;
                result[QStringLiteral("x")] = local.x();
                result[QStringLiteral("y")] = local.y();
            }
        }
    }
    result[QStringLiteral("largest")] = largest;
    return result;
}

qreal TestSupport::share(
    QQuickItem *item, qreal x, qreal y, qreal width, qreal height, const QVariant &color, int tolerance) const
{
    const QColor wanted = toColor(color);
    const QPoint from = toImage(item, x, y);
    const QPoint to = toImage(item, x + width, y + height);
    int hits = 0;
    int total = 0;
    for (int py = from.y(); py < to.y(); ++py) {
        for (int px = from.x(); px < to.x(); ++px) {
            if (!m_image.valid(px, py))
                continue;
            ++total;
            if (near(QColor::fromRgba(m_image.pixel(px, py)), wanted, tolerance))
                ++hits;
        }
    }
    return total > 0 ? qreal(hits) / total : 0;
}

QImage TestSupport::itemImage(QQuickItem *item) const
{
    if (!item)
        return {};
    const QPoint from = toImage(item, 0, 0);
    const QPoint to = toImage(item, item->width(), item->height());
    return m_image.copy(QRect(from, to - QPoint(1, 1)));
}

bool TestSupport::grabUnchanged(QQuickItem *item)
{
    const QImage before = itemImage(item);
    return grab(item) && itemImage(item) == before;
}

bool TestSupport::saveItem(QQuickItem *item, const QString &path) const
{
    const QImage image = itemImage(item);
    return !image.isNull() && QDir().mkpath(QFileInfo(path).absolutePath()) && image.save(path, "PNG");
}

int TestSupport::differenceFromFile(QQuickItem *item, const QString &path) const
{
    const QImage saved = QImage(path).convertToFormat(QImage::Format_ARGB32);
    const QImage image = itemImage(item);
    if (saved.isNull() || saved.size() != image.size())
        return -1;
    int largest = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            largest = std::max(largest, channelDifference(image.pixel(x, y), saved.pixel(x, y)));
    }
    return largest;
}

bool TestSupport::writeFile(const QString &path, const QString &text) const
{
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).absolutePath()) && file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        && file.write(text.toUtf8()) >= 0;
}

QString TestSupport::readFile(const QString &path) const
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QString TestSupport::styleName() const
{
    return QQuickStyle::name();
}

namespace {

QStringList recorded;
QtMessageHandler previousHandler = nullptr;

void recordingHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    recorded.append(message);
    if (previousHandler)
        previousHandler(type, context, message);
}

} // namespace

void TestSupport::recordMessages()
{
    recorded.clear();
    // In front of whatever handler Qt Test has in place (it installs its own
    // per test case), which still sees every line.
    const QtMessageHandler current = qInstallMessageHandler(recordingHandler);
    if (current != recordingHandler)
        previousHandler = current;
}

QStringList TestSupport::recordedMessages() const
{
    return recorded;
}

void TestSupport::setLoggingRules(const QString &rules) const
{
    QLoggingCategory::setFilterRules(rules);
}

static QAccessibleInterface *accessibleInterface(QQuickItem *item)
{
    if (!item)
        return nullptr;
    // Through the platform, as a screen reader's arrival does: QAccessible::setActive
    // alone tells the items but leaves isActive() false, so the controls would
    // keep no names.
    if (!QAccessible::isActive()) {
        if (QPlatformAccessibility *platform = QGuiApplicationPrivate::platformIntegration()->accessibility())
            platform->setActive(true);
    }
    return QAccessible::queryAccessibleInterface(item);
}

void TestSupport::endAccessibility() const
{
    if (QPlatformAccessibility *platform = QGuiApplicationPrivate::platformIntegration()->accessibility())
        platform->setActive(false);
}

QVariantMap TestSupport::accessible(QQuickItem *item) const
{
    QAccessibleInterface *iface = accessibleInterface(item);
    if (!iface || !iface->isValid())
        return {};
    const QAccessible::State state = iface->state();
    QVariantMap info {
        { "role", int(iface->role()) },
        { "name", iface->text(QAccessible::Name) },
        { "description", iface->text(QAccessible::Description) },
        { "checkable", bool(state.checkable) },
        { "checked", bool(state.checked) },
        { "selectable", bool(state.selectable) },
        { "selected", bool(state.selected) },
        { "invisible", bool(state.invisible) },
        { "focusable", bool(state.focusable) },
        { "focused", bool(state.focused) },
    };
    QStringList actions;
    if (QAccessibleActionInterface *action = iface->actionInterface())
        actions = action->actionNames();
    info.insert("actions", actions);
    return info;
}

QVariantList TestSupport::accessibleChildren(QQuickItem *item) const
{
    QVariantList children;
    QAccessibleInterface *iface = accessibleInterface(item);
    for (int i = 0; iface && i < iface->childCount(); ++i) {
        QAccessibleInterface *child = iface->child(i);
        if (child)
            children.append(QVariantMap { { "role", int(child->role()) }, { "name", child->text(QAccessible::Name) } });
    }
    return children;
}

bool TestSupport::accessibleAction(QQuickItem *item, const QString &action) const
{
    QAccessibleInterface *iface = accessibleInterface(item);
    QAccessibleActionInterface *actions = iface ? iface->actionInterface() : nullptr;
    if (!actions || !actions->actionNames().contains(action))
        return false;
    actions->doAction(action);
    return true;
}

QString TestSupport::environment(const QString &name, const QString &fallback) const
{
    const QString value = qEnvironmentVariable(qPrintable(name));
    return value.isEmpty() ? fallback : value;
}

void TestSupport::useGreyText() const
{
    QQuickWindow::setTextRenderType(QQuickWindow::NativeTextRendering);
}

void TestSupport::setAnimationStep(int milliseconds) const
{
    QUnifiedTimer *timer = QUnifiedTimer::instance();
    timer->setConsistentTiming(milliseconds > 0);
    timer->setTimingInterval(milliseconds > 0 ? milliseconds : 16);
}

int TestSupport::frames(QQuickItem *item)
{
    QQuickWindow *window = item ? item->window() : nullptr;
    if (!window)
        return 0;
    if (!m_counted.contains(window)) {
        m_counted.insert(window);
        connect(
            window, &QQuickWindow::frameSwapped, this, [this] { m_frames.ref(); }, Qt::DirectConnection);
    }
    window->update();
    return m_frames.loadAcquire();
}

void TestSupport::keep(const QString &name)
{
    m_kept.insert(name, m_image);
}

namespace {

// Hue distance in degrees, or 360 for a grey.
int hueDistance(const QColor &colour, int hue)
{
    if (colour.hsvHue() < 0 || hue < 0)
        return 360;
    const int d = qAbs(colour.hsvHue() - hue) % 360;
    return std::min(d, 360 - d);
}

int chroma(const QColor &c)
{
    return std::max({ c.red(), c.green(), c.blue() }) - std::min({ c.red(), c.green(), c.blue() });
}

} // namespace

QVariantMap TestSupport::compareWithKept(
    QQuickItem *item, const QString &name, qreal margin, const QColor &from, const QColor &to) const
{
    const QImage kept = m_kept.value(name);
    if (!item || kept.size() != m_image.size())
        return {};
    // Plainly of a hue: clearly coloured and near it. A tint: any colour near it.
    constexpr int plainChroma = 24, plainHue = 20, tintChroma = 3, tintHue = 40, noise = 3;
    const int oldHue = from.isValid() ? from.hsvHue() : -1;
    const int newHue = to.isValid() ? to.hsvHue() : -1;
    const QPoint start = toImage(item, -margin, -margin);
    const QPoint end = toImage(item, item->width() + margin, item->height() + margin);
    const QRect box = QRect(start, QSize(end.x() - start.x(), end.y() - start.y())).intersected(m_image.rect());
    int largest = 0, accentPixels = 0, stayed = 0, strays = 0;
    qint64 keptSum = 0, lastSum = 0;
    for (int py = box.top(); py <= box.bottom(); ++py) {
        for (int px = box.left(); px <= box.right(); ++px) {
            const QColor before = QColor::fromRgba(kept.pixel(px, py));
            const QColor after = QColor::fromRgba(m_image.pixel(px, py));
            const int difference = std::max({ qAbs(before.red() - after.red()), qAbs(before.green() - after.green()),
                qAbs(before.blue() - after.blue()) });
            largest = std::max(largest, difference);
            if (difference > noise) {
                keptSum += before.red() + before.green() + before.blue();
                lastSum += after.red() + after.green() + after.blue();
            }
            if (chroma(before) >= plainChroma && hueDistance(before, oldHue) <= plainHue) {
                ++accentPixels;
                if (chroma(after) < tintChroma || hueDistance(after, newHue) > plainHue)
                    ++stayed;
            } else if (difference > noise && (chroma(before) < tintChroma || hueDistance(before, oldHue) > tintHue)) {
                ++strays;
            }
        }
    }
    return { { "largest", largest }, { "brightness", keptSum > 0 ? qreal(lastSum) / keptSum : 1.0 },
        { "accentPixels", accentPixels }, { "stayed", stayed }, { "strays", strays } };
}
