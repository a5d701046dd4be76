#include "seenspraymodel.h"

#include "library/preview.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPainter>

#include <algorithm>

namespace velmira {

namespace {
// How many pictures' worth of memory the grid keeps drawn (each at most 96 x 96 pixels).
constexpr int kKeptIcons = 600;
}  // namespace

QString seenSprayName(const SeenSpray& spray) {
    // Two sprays of one size in one mod differ by where the cache holds them.
    const SeenPlace place = spray.places.empty() ? SeenPlace{} : spray.places.front();
    return QCoreApplication::translate("velmira::SeenSprayModel",
                                       "%1, %2 at byte %3, %4 × %5 pixels")
        .arg(spray.mods.join(QStringLiteral(", ")), QFileInfo(place.cache).fileName(),
             QString::number(place.offset), QString::number(spray.size.width()),
             QString::number(spray.size.height()));
}

SeenSprayModel::SeenSprayModel(QObject* parent) : QAbstractListModel(parent) {
    m_icons.setMaxCost(kKeptIcons);
    m_pool.setMaxThreadCount(1);
    QImage blank(kIconSide, kIconSide, QImage::Format_ARGB32_Premultiplied);
    blank.fill(Qt::transparent);
    m_blank = QPixmap::fromImage(blank);
}

SeenSprayModel::~SeenSprayModel() {
    m_closing = true;
    m_pool.clear();
    m_pool.waitForDone();
}

bool SeenSprayModel::shows(const SeenSpray& spray) const {
    return m_mod.isEmpty() || spray.mods.contains(m_mod);
}

void SeenSprayModel::setSprays(const SeenSprays* sprays, const QString& mod) {
    beginResetModel();
    m_sprays = sprays;
    m_mod = mod;
    m_rows.clear();
    m_looked = 0;
    // Read again, a cache that had changed may hold its sprays again.
    m_unreadable.clear();
    endResetModel();
    spraysAdded();
}

void SeenSprayModel::spraysAdded() {
    if (!m_sprays)
        return;
    const std::vector<SeenSpray>& all = m_sprays->all();
    std::vector<std::size_t> added;
    for (; m_looked < all.size(); ++m_looked)
        if (shows(all[m_looked]))
            added.push_back(m_looked);
    // A spray seen in one more mod may now belong to the chosen one: the filter is applied
    // again to those already looked at when the list is set anew (a mod chosen).
    if (added.empty())
        return;
    const int first = static_cast<int>(m_rows.size());
    beginInsertRows(QModelIndex(), first, first + static_cast<int>(added.size()) - 1);
    m_rows.insert(m_rows.end(), added.begin(), added.end());
    endInsertRows();
}

const SeenSpray* SeenSprayModel::sprayAt(int row) const {
    if (!m_sprays || row < 0 || row >= static_cast<int>(m_rows.size()))
        return nullptr;
    return &m_sprays->all()[m_rows[static_cast<std::size_t>(row)]];
}

int SeenSprayModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

QImage seenIcon(const QImage& picture, int side) {
    QImage icon(side, side, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    if (picture.isNull())
        return icon;
    const QSize shown = picture.size().boundedTo(QSize(side, side)) == picture.size()
                            ? picture.size()
                            : picture.size().scaled(side, side, Qt::KeepAspectRatio);
    const QRect at(QPoint((side - shown.width()) / 2, (side - shown.height()) / 2), shown);
    QPainter painter(&icon);
    for (int y = at.top(); y <= at.bottom(); y += 8)
        for (int x = at.left(); x <= at.right(); x += 8)
            painter.fillRect(QRect(x, y, 8, 8).intersected(at),
                             ((x - at.left() + y - at.top()) / 8) % 2 ? QColor(204, 204, 204)
                                                                      : QColor(255, 255, 255));
    painter.drawImage(at, picture);
    return icon;
}

QPixmap SeenSprayModel::iconOf(const SeenSpray& spray) const {
    if (const QPixmap* kept = m_icons.object(spray.hash))
        return *kept;
    if (!m_unreadable.contains(spray.hash) && !m_making.contains(spray.hash)) {
        // Asked for together as the grid draws its rows, made together off the window's
        // thread.
        m_making.insert(spray.hash);
        m_wanted.push_back(spray);
        if (m_wanted.size() == 1) {
            // data() is const for the views; the pictures it asks for are the model's cache.
            auto* self = const_cast<SeenSprayModel*>(this);
            QMetaObject::invokeMethod(
                self, [self] { self->makeWanted(); }, Qt::QueuedConnection);
        }
    }
    return m_blank;
}

void SeenSprayModel::makeWanted() {
    if (m_wanted.empty())
        return;
    std::vector<SeenSpray> wanted;
    wanted.swap(m_wanted);
    // Each picture handed to the grid as soon as it is made.
    m_pool.start([this, wanted = std::move(wanted)] {
        for (const SeenSpray& spray : wanted) {
            if (m_closing)
                return;
            const auto bytes = readSeenSpray(spray);
            Made made{spray.hash,
                      bytes ? seenIcon(sprayPictureOfWad(bytes.value()), kIconSide) : QImage()};
            QMetaObject::invokeMethod(
                this, [this, made] { pictureMade(made); }, Qt::QueuedConnection);
        }
    });
}

void SeenSprayModel::pictureMade(const Made& made) {
    m_making.remove(made.hash);
    if (made.icon.isNull())
        m_unreadable.insert(made.hash);
    else
        m_icons.insert(made.hash, new QPixmap(QPixmap::fromImage(made.icon)));
    // The row showing it, if it is still shown: the rows are in the order of the sprays, and a
    // spray no longer listed is past every one of them.
    if (!m_sprays)
        return;
    const std::size_t spray = m_sprays->indexOf(made.hash);
    const auto at = std::lower_bound(m_rows.begin(), m_rows.end(), spray);
    if (at == m_rows.end() || *at != spray)
        return;
    const QModelIndex row = index(static_cast<int>(at - m_rows.begin()));
    emit dataChanged(row, row, {Qt::DecorationRole});
}

void SeenSprayModel::waitForPictures() {
    while (!picturesDone()) {
        makeWanted();
        m_pool.waitForDone();
        QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    }
}

QVariant SeenSprayModel::data(const QModelIndex& index, int role) const {
    const SeenSpray* spray = sprayAt(index.row());
    if (!spray)
        return QVariant();
    switch (role) {
        case Qt::DisplayRole:
            return QStringLiteral("%1 \u00d7 %2")
                .arg(spray->size.width())
                .arg(spray->size.height());
        case Qt::DecorationRole:
            return iconOf(*spray);
        case Qt::AccessibleTextRole:
            return seenSprayName(*spray);
        case Qt::ToolTipRole:
            return seenSprayTip(*spray).replace(QChar(13), QLatin1Char('\n'));
        case Qt::AccessibleDescriptionRole:
            return seenSprayTip(*spray).replace(QChar(13), QStringLiteral(". "));
        default:
            return QVariant();
    }
}

}  // namespace velmira
