#pragma once

#include "skype/IncomingMessageHandler.h"

#include <QImage>
#include <QObject>
#include <QThreadPool>
#include <atomic>
#include <functional>
#include <list>
#include <memory>

namespace verbalink {

class NotificationPopup;
class PopupContentSource;
class PopupStack;
struct PopupContent;

// Pops up each received message: the sender's name and picture are looked up on a pool thread
// (the lookup may wait for the contacts), then the popup opens on the GUI thread.
class PopupPresenter final : public IncomingMessageHandler {
public:
    // `popupSize` is read when a popup opens; 0 or less opens none.
    PopupPresenter(std::shared_ptr<PopupContentSource> source, std::function<int()> popupSize);
    ~PopupPresenter() override;
    PopupPresenter(const PopupPresenter&) = delete;
    PopupPresenter& operator=(const PopupPresenter&) = delete;

    void handle(const QString& text, const QString& partner) override;
    // Waits for the running lookups; no popup opens afterwards.
    void shutdown();

private:
    void open(const PopupContent& content, const QImage& picture);

    std::shared_ptr<PopupContentSource> m_source;
    std::function<int()> m_popupSize;
    std::shared_ptr<PopupStack> m_stack;
    std::atomic<bool> m_stopped{false};
    // Receives the queued calls on the GUI thread; calls still queued die with it.
    QObject m_gui;
    std::list<std::unique_ptr<NotificationPopup>> m_popups;
    // Last, so its threads end before anything they use goes.
    QThreadPool m_pool;
};

} // namespace verbalink
