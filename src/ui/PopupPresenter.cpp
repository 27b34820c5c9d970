#include "ui/PopupPresenter.h"

#include "extras/PopupContentSource.h"
#include "extras/PopupStack.h"
#include "ui/NotificationPopup.h"

#include <QGuiApplication>
#include <QScreen>

namespace verbalink {

namespace {

// Each lookup may wait seconds for the contacts; later messages must not queue behind it.
constexpr int LookupThreads = 16;

} // namespace

PopupPresenter::PopupPresenter(std::shared_ptr<PopupContentSource> source,
                               std::function<int()> popupSize)
    : m_source(std::move(source)), m_popupSize(std::move(popupSize)),
      m_stack(std::make_shared<PopupStack>())
{
    m_pool.setMaxThreadCount(LookupThreads);
}

PopupPresenter::~PopupPresenter()
{
    shutdown();
}

void PopupPresenter::handle(const QString& text, const QString& partner)
{
    if (m_stopped)
        return;
    m_pool.start([this, text, partner] {
        const PopupContent content = m_source->prepare(text, partner);
        // Decoded here, so a large picture does not hold up the GUI thread.
        const QImage picture =
            content.picturePath.isEmpty() ? QImage() : QImage(content.picturePath);
        QMetaObject::invokeMethod(
            &m_gui, [this, content, picture] { open(content, picture); }, Qt::QueuedConnection);
    });
}

void PopupPresenter::shutdown()
{
    m_stopped = true;
    m_pool.waitForDone();
}

void PopupPresenter::open(const PopupContent& content, const QImage& picture)
{
    const int size = m_popupSize();
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (m_stopped || size <= 0 || !screen)
        return;
    auto popup = std::make_unique<NotificationPopup>(
        content, picture, size, m_stack,
        NotificationPopup::Screen{screen->geometry(), screen->availableGeometry()});
    NotificationPopup* shown = popup.get();
    m_popups.push_back(std::move(popup));
    // Deleted later: the signal comes from inside the popup's own timer slot.
    QObject::connect(
        shown, &NotificationPopup::finished, &m_gui,
        [this, shown] {
            m_popups.remove_if([shown](const auto& popup) { return popup.get() == shown; });
        },
        Qt::QueuedConnection);
    shown->start();
}

} // namespace verbalink
