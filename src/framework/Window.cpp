#include "Window.h"

#include "Application.h"
#include "ClassRecord.h"
#include "MenuItem.h"
#include "Runtime.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QResizeEvent>
#include <QScreen>
#include <QTimer>

#include <algorithm>

namespace {

class TopLevelWidget : public QMainWindow {
public:
    Window* owner = nullptr;
    // The widget that held the focus before the menu bar took the keys: it
    // still holds the window's focus while the menu bar has them.
    QPointer<QWidget> focusBeforeMenuBar;

protected:
    void closeEvent(QCloseEvent* event) override
    {
        // The framework decides; the window hides itself when it closes.
        event->ignore();
        if (owner)
            owner->_CloseRequested();
    }
};

class ContentWidget : public QWidget {
public:
    Window* owner = nullptr;
    int knownWidth = 0;
    int knownHeight = 0;

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        QWidget::resizeEvent(event);
        const int dx = event->size().width() - knownWidth;
        const int dy = event->size().height() - knownHeight;
        knownWidth = event->size().width();
        knownHeight = event->size().height();
        if (owner && (dx != 0 || dy != 0))
            owner->_ContentResized(dx, dy);
    }
};

// The item's shortcut as Qt takes it; empty when it has none. Shortcuts are
// written the way the desktop's menus show them; "Cmd" is Ctrl here.
QKeySequence ShortcutOf(const MenuItem& item)
{
    if (!item.KeyboardShortcut() || item.KeyboardShortcut()->empty())
        return {};
    QString text = QString::fromStdString(*item.KeyboardShortcut());
    text.replace("Cmd+", "Ctrl+");
    return QKeySequence(text);
}

} // namespace

struct Window::Impl {
    QPointer<TopLevelWidget> top;
    QPointer<ContentWidget> content;
    std::vector<std::pair<QPointer<QAction>, std::shared_ptr<MenuItem>>> actions;
    // The application menu bar's shortcuts, in a window that shows no bar.
    std::vector<QPointer<QAction>> shortcuts;
};

Window::Window()
    : impl_(std::make_unique<Impl>())
{
}

Window::~Window()
{
    controls_.clear();
    if (impl_->content)
        impl_->content->owner = nullptr;
    if (impl_->top) {
        impl_->top->owner = nullptr;
        impl_->top->hide();
        // Never delete a widget that may be inside its own event handler.
        impl_->top->deleteLater();
    }
}

QWidget* Window::_ContentWidget() const
{
    return impl_->content.data();
}

QWidget* Window::_TopLevelWidget() const
{
    return impl_->top.data();
}

void Window::Constructor()
{
    if (constructed_ || closed_)
        return;
    RuntimeInit();
    auto* top = new TopLevelWidget;
    top->owner = this;
    top->setAttribute(Qt::WA_DeleteOnClose, false);
    auto* content = new ContentWidget;
    content->owner = this;
    top->setCentralWidget(content);
    impl_->top = top;
    impl_->content = content;
    QObject::connect(qApp, &QApplication::focusChanged, top, [top](QWidget* old, QWidget* now) {
        if (now && now == top->menuWidget() && old && old->window() == top)
            top->focusBeforeMenuBar = old;
    });

    std::shared_ptr<Window> self = std::dynamic_pointer_cast<Window>(weak_from_this().lock());
    if (self) {
        _RuntimeWindowOpened(self);
        if (const ClassRecord* record = Class(); record && !_GetImplicitWindow(record->fullName))
            _RuntimeSetImplicitWindow(record->fullName, self);
    }

    if (const ClassRecord* record = Class()) {
        if (record->hooks.Layout)
            record->hooks.Layout(*this);
        if (record->hooks.CreateControls)
            record->hooks.CreateControls(*this);
        if (record->hooks.AddMenuHandlers)
            record->hooks.AddMenuHandlers(*this, *this);
    }
    if (!menuBar_)
        AddApplicationShortcuts();
    constructed_ = true;
    ApplyWindowFlags();
    ApplyGeometry();
    ApplyBackColor();
    top->setWindowTitle(QString::fromStdString(title_));

    // Tab moves through the controls that take part in the tab order, by tab index.
    std::vector<RectControl*> chain;
    for (const auto& control : controls_)
        if (control->_TakesFocus() && control->TabStop() && control->_Widget())
            chain.push_back(control.get());
    std::stable_sort(chain.begin(), chain.end(),
        [](const RectControl* a, const RectControl* b) { return a->TabIndex() < b->TabIndex(); });
    for (std::size_t i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1]->_Widget(), chain[i]->_Widget());

    for (const auto& control : controls_)
        control->_RaiseFromQt(ControlEvent::Open);

    // Shown once the current event is done, so that a window made and closed
    // in the same event never appears on screen.
    if (visible_ && !closed_) {
        std::weak_ptr<Object> weak = weak_from_this();
        QTimer::singleShot(0, top, [this, weak] {
            if (auto alive = weak.lock(); alive && visible_ && !closed_)
                ShowNow();
        });
    }
}

void Window::ShowNow()
{
    TopLevelWidget* top = impl_->top;
    if (!top || closed_)
        return;
    if (!placed_) {
        placed_ = true;
        // Centred on the screen the window opens on.
        if (QScreen* screen = QGuiApplication::primaryScreen()) {
            const QRect area = screen->availableGeometry();
            const QSize size = top->size();
            top->move(area.x() + std::max(0, (area.width() - size.width()) / 2),
                area.y() + std::max(0, (area.height() - size.height()) / 3));
        }
    }
    top->show();
    top->raise();
    top->activateWindow();
}

void Window::Show()
{
    visible_ = true;
    if (constructed_)
        ShowNow();
}

void Window::Close()
{
    if (closed_)
        return;
    closed_ = true;
    std::shared_ptr<Object> keep = weak_from_this().lock();
    // The window is gone whatever its Close handler does.
    struct Finish {
        Window& window;
        ~Finish()
        {
            window.visible_ = false;
            if (window.impl_->top)
                window.impl_->top->hide();
            // A closed window answers no menu command, and a handler that holds
            // its window strongly must not keep it alive for ever.
            window.menuHandlers_.clear();
            _RuntimeWindowClosed(window);
        }
    } finish { *this };
    if (const ClassRecord* record = Class(); record && record->hooks.Close)
        record->hooks.Close(*this);
}

void Window::_CloseRequested()
{
    std::shared_ptr<Object> keep = weak_from_this().lock();
    _DispatchEvent([this] { Close(); });
}

void Window::SetTitle(std::string title)
{
    title_ = std::move(title);
    if (impl_->top)
        impl_->top->setWindowTitle(QString::fromStdString(title_));
}

void Window::SetWidth(int width)
{
    width_ = width;
    if (constructed_)
        ApplyGeometry();
}

void Window::SetHeight(int height)
{
    height_ = height;
    if (!constructed_)
        return;
    ApplyGeometry();
    // The top edge stays where it is, unless the taller window would leave
    // the screen: then it moves up just enough to be seen whole.
    TopLevelWidget* top = impl_->top;
    QScreen* screen = top ? top->screen() : nullptr;
    if (!top || !top->isVisible() || !screen)
        return;
    const QRect frame = top->frameGeometry();
    const QRect area = screen->availableGeometry();
    const int overflow = std::min(frame.bottom() - area.bottom(), frame.top() - area.top());
    if (overflow > 0)
        top->move(top->x(), top->y() - overflow);
}

void Window::ApplyGeometry()
{
    TopLevelWidget* top = impl_->top;
    ContentWidget* content = impl_->content;
    if (!top || !content)
        return;
    content->knownWidth = width_;
    content->knownHeight = height_;
    QMenuBar* bar = top->menuWidget() ? top->menuBar() : nullptr;
    const int barHeight = (bar && menuBarVisible_) ? bar->sizeHint().height() : 0;
    // Qt takes no size beyond QWIDGETSIZE_MAX; adding the bar must not overflow.
    auto withBar = [barHeight](int height) {
        return static_cast<int>(std::min<long long>(static_cast<long long>(height) + barHeight, QWIDGETSIZE_MAX));
    };
    if (resizeable_) {
        content->setMinimumSize(minWidth_, minHeight_);
        content->setMaximumSize(maxWidth_, maxHeight_);
        top->setMinimumSize(minWidth_, withBar(minHeight_));
        top->setMaximumSize(maxWidth_, withBar(maxHeight_));
        content->resize(width_, height_);
        top->resize(width_, withBar(height_));
    } else {
        content->setFixedSize(width_, height_);
        top->setFixedSize(width_, withBar(height_));
    }
}

void Window::ApplyWindowFlags()
{
    TopLevelWidget* top = impl_->top;
    if (!top)
        return;
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
    if (closeButton_)
        flags |= Qt::WindowCloseButtonHint;
    if (minimizeButton_)
        flags |= Qt::WindowMinimizeButtonHint;
    if (maximizeButton_ && resizeable_)
        flags |= Qt::WindowMaximizeButtonHint;
    top->setWindowFlags(flags);
}

void Window::ApplyBackColor()
{
    ContentWidget* content = impl_->content;
    if (!content || !hasBackColor_)
        return;
    QPalette palette = content->palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(backColor_));
    content->setPalette(palette);
    content->setAutoFillBackground(true);
}

void Window::SetMenuBar(std::shared_ptr<::MenuBar> bar)
{
    menuBar_ = std::move(bar);
    BuildMenuBar();
}

std::function<void(const std::shared_ptr<MenuItem>&)> Window::MenuCommand()
{
    std::weak_ptr<Object> weakWindow = weak_from_this();
    return [this, weakWindow](const std::shared_ptr<MenuItem>& item) {
        std::shared_ptr<Object> keep = weakWindow.lock();
        if (!keep)
            return;
        _DispatchEvent([&] { Application::_HandleMenuCommand(this, *item); });
    };
}

void Window::AddApplicationShortcuts()
{
    // The application's menu bar serves every window of the program: in a
    // window that shows no bar its shortcuts still work.
    TopLevelWidget* top = impl_->top;
    auto app = std::dynamic_pointer_cast<Application>(_GetAppObject());
    std::shared_ptr<::MenuBar> bar = app ? app->MenuBar() : nullptr;
    if (!top || !bar)
        return;
    auto perform = MenuCommand();
    for (int m = 0; m < bar->Count(); ++m) {
        std::shared_ptr<MenuItem> menu = bar->Item(m);
        for (int i = 0; i < menu->Count(); ++i) {
            std::shared_ptr<MenuItem> item = menu->Item(i);
            const QKeySequence shortcut = ShortcutOf(*item);
            if (item->IsSeparator() || shortcut.isEmpty())
                continue;
            auto* action = new QAction(top);
            action->setShortcut(shortcut);
            action->setShortcutContext(Qt::WindowShortcut);
            QObject::connect(action, &QAction::triggered, top, [perform, item] { perform(item); });
            top->addAction(action);
            impl_->shortcuts.emplace_back(action);
        }
    }
}

void Window::RemoveApplicationShortcuts()
{
    for (const QPointer<QAction>& action : impl_->shortcuts)
        delete action.data();
    impl_->shortcuts.clear();
}

void Window::BuildMenuBar()
{
    TopLevelWidget* top = impl_->top;
    if (!top)
        return;
    impl_->actions.clear();
    RemoveApplicationShortcuts();
    if (!menuBar_) {
        top->setMenuBar(nullptr);
        AddApplicationShortcuts();
        return;
    }
    auto* qtBar = new QMenuBar;
    std::weak_ptr<Object> weakWindow = weak_from_this();
    auto perform = MenuCommand();
    for (int m = 0; m < menuBar_->Count(); ++m) {
        std::shared_ptr<MenuItem> menuItem = menuBar_->Item(m);
        QMenu* menu = qtBar->addMenu(QString::fromStdString(menuItem->Text()));
        std::vector<std::pair<QAction*, std::shared_ptr<MenuItem>>> entries;
        for (int i = 0; i < menuItem->Count(); ++i) {
            std::shared_ptr<MenuItem> item = menuItem->Item(i);
            if (item->IsSeparator()) {
                menu->addSeparator();
                continue;
            }
            QAction* action = menu->addAction(QString::fromStdString(item->Text()));
            action->setMenuRole(QAction::NoRole);
            action->setShortcut(ShortcutOf(*item));
            QObject::connect(action, &QAction::triggered, menu, [perform, item] { perform(item); });
            entries.emplace_back(action, item);
            impl_->actions.emplace_back(action, item);
        }
        // Items are enabled only when they apply; while the menu is closed
        // every shortcut still reaches the command, which checks for itself.
        QObject::connect(menu, &QMenu::aboutToShow, menu, [this, weakWindow, entries] {
            if (!weakWindow.lock())
                return;
            for (const auto& [action, item] : entries)
                action->setEnabled(item->_IsEnabledFor(this));
        });
        QObject::connect(menu, &QMenu::aboutToHide, menu, [entries] {
            for (const auto& [action, item] : entries)
                action->setEnabled(true);
        });
    }
    top->setMenuBar(qtBar);
    qtBar->setVisible(menuBarVisible_);
    if (constructed_)
        ApplyGeometry();
}

RectControl* Window::Focus() const
{
    if (!impl_->top || !impl_->content)
        return nullptr;
    QWidget* focus = impl_->top->focusWidget();
    // The menu bar holding the keys takes no focus from the window.
    if (focus && focus == impl_->top->menuWidget())
        focus = impl_->top->focusBeforeMenuBar;
    for (QWidget* widget = focus; widget && widget != impl_->content; widget = widget->parentWidget()) {
        for (const auto& control : controls_)
            if (control->_Widget() == widget)
                return control.get();
    }
    return nullptr;
}

void Window::_AddControl(const std::string& name, std::shared_ptr<RectControl> control)
{
    if (!control)
        throw NilObjectException("The control to add does not exist.");
    control->_Attach(*this);
    control->_SetName(name);
    controlsByName_.insert_or_assign(name, control.get());
    controls_.push_back(std::move(control));
}

RectControl* Window::_ControlByName(std::string_view name) const
{
    auto it = controlsByName_.find(name);
    return it == controlsByName_.end() ? nullptr : it->second;
}

void Window::_AddMenuHandler(const std::string& itemName, std::shared_ptr<MenuHandlerDelegate> handler)
{
    menuHandlers_[itemName] = std::move(handler);
}

std::shared_ptr<MenuHandlerDelegate> Window::_MenuHandler(const std::string& itemName) const
{
    auto it = menuHandlers_.find(itemName);
    return it == menuHandlers_.end() ? nullptr : it->second;
}

void Window::_ContentResized(int dx, int dy)
{
    width_ += dx;
    height_ += dy;
    for (const auto& control : controls_)
        control->_FollowResize(dx, dy);
}

void Window::SetProperty(std::string_view name, const PropertyValue& value)
{
    if (const auto* i = std::get_if<std::int32_t>(&value)) {
        if (name == "Width")
            width_ = *i;
        else if (name == "Height")
            height_ = *i;
        else if (name == "MinWidth")
            minWidth_ = *i;
        else if (name == "MinHeight")
            minHeight_ = *i;
        else if (name == "MaxWidth")
            maxWidth_ = *i;
        else if (name == "MaxHeight")
            maxHeight_ = *i;
        else if (name == "Placement")
            placement_ = *i;
        else
            return;
        if (constructed_)
            ApplyGeometry();
    } else if (const auto* b = std::get_if<bool>(&value)) {
        if (name == "Visible")
            visible_ = *b;
        else if (name == "HasBackColor")
            hasBackColor_ = *b;
        else if (name == "CloseButton")
            closeButton_ = *b;
        else if (name == "Resizeable")
            resizeable_ = *b;
        else if (name == "MinimizeButton")
            minimizeButton_ = *b;
        else if (name == "MaximizeButton")
            maximizeButton_ = *b;
        else if (name == "MenuBarVisible")
            menuBarVisible_ = *b;
    } else if (const auto* c = std::get_if<RGBColor>(&value)) {
        if (name == "BackColor")
            backColor_ = c->rgb;
    } else if (const auto* s = std::get_if<std::string>(&value)) {
        if (name == "Title")
            SetTitle(*s);
    }
}
