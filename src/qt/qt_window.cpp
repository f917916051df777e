#include "qt/qt_window.h"

#include "qt/qt_dc.h"
#include "qt/qt_platform.h"
#include "qt/qt_text.h"

#include <QAction>
#include <QCloseEvent>
#include <QFontMetricsF>
#include <QGridLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTimer>
#include <QUrl>

#include <functional>

namespace quan::qtui {

namespace {

// The window frame's widths as the window manager reports them; the last
// ones seen stand in for windows not yet shown.
QMargins g_frame;

QMargins frameOf(const QWidget* w)
{
    QRect f = w->frameGeometry(), g = w->geometry();
    return {g.left() - f.left(), g.top() - f.top(), f.right() - g.right(), f.bottom() - g.bottom()};
}

int menuBarHeight(QMainWindow* w, int width)
{
    QMenuBar* bar = qobject_cast<QMenuBar*>(w->menuWidget());
    if (!bar || bar->isNativeMenuBar() || bar->actions().isEmpty())
        return 0;
    int h = bar->heightForWidth(std::max(1, width));
    return h > 0 ? h : bar->sizeHint().height();
}

QString actionText(const plat::MenuItem& it)
{
    QString s = fromUi(it.label);
    if (!it.shortcut.empty() && !s.contains(u'\t'))
        s += u'\t' + QString::fromStdString(it.shortcut);
    return s;
}

bool localFiles(const QMimeData* m)
{
    if (!m || !m->hasUrls())
        return false;
    for (const QUrl& u : m->urls())
        if (u.isLocalFile())
            return true;
    return false;
}

} // namespace

// --- widgets -----------------------------------------------------------------

void MainWin::closeEvent(QCloseEvent* e)
{
    if (owner_)
        owner_->closeRequested(e);
    else
        e->accept();
}

bool MainWin::event(QEvent* e)
{
    bool r = QMainWindow::event(e);
    switch (e->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::WindowStateChange:
        if (owner_)
            owner_->frameChanged();
        break;
    default: break;
    }
    return r;
}

void MainWin::dragEnterEvent(QDragEnterEvent* e)
{
    if (owner_ && localFiles(e->mimeData()))
        e->acceptProposedAction();
}

void MainWin::dragMoveEvent(QDragMoveEvent* e)
{
    if (owner_ && localFiles(e->mimeData()))
        e->acceptProposedAction();
}

void MainWin::dropEvent(QDropEvent* e)
{
    if (owner_)
        owner_->dropped(e);
}

ClientWidget::ClientWidget(QtWindow* owner) : owner_(owner)
{
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
}

void ClientWidget::paintEvent(QPaintEvent* e)
{
    if (owner_)
        owner_->paint(e);
}

void ClientWidget::resizeEvent(QResizeEvent*)
{
    if (owner_)
        owner_->resized();
}

void ClientWidget::wheelEvent(QWheelEvent* e)
{
    // Whole notches only; touchpads send smaller steps that add up.
    wheelRest_ += e->angleDelta().y();
    int notches = wheelRest_ / 120;
    wheelRest_ -= notches * 120;
    if (notches != 0 && owner_ && owner_->handler()) {
        HandlerScope scope;
        owner_->handler()->wheel(notches);
    }
    e->accept();
}

void ClientWidget::mousePressEvent(QMouseEvent* e)
{
    if (owner_)
        owner_->mouse(e, plat::MouseEvent::Press);
}

void ClientWidget::mouseReleaseEvent(QMouseEvent* e)
{
    if (owner_)
        owner_->mouse(e, plat::MouseEvent::Release);
}

void ClientWidget::mouseDoubleClickEvent(QMouseEvent* e)
{
    if (owner_)
        owner_->mouse(e, plat::MouseEvent::DoubleClick);
}

void ClientWidget::mouseMoveEvent(QMouseEvent* e)
{
    if (owner_)
        owner_->mouse(e, plat::MouseEvent::Move);
}

void ClientWidget::keyPressEvent(QKeyEvent* e)
{
    if (owner_)
        owner_->key(e);
    else
        e->ignore();
}

EditorWidget::EditorWidget(QtWindow* owner) : owner_(owner)
{
    setLineWrapMode(QPlainTextEdit::NoWrap);
}

void EditorWidget::resizeEvent(QResizeEvent* e)
{
    QPlainTextEdit::resizeEvent(e);
    if (owner_)
        owner_->resized();
}

// --- editor ------------------------------------------------------------------

namespace {
// The document's text with '\n' between its lines and nothing else changed
// (the plain-text export would turn no-break spaces into spaces).
QString rawText(const QPlainTextEdit* w)
{
    QString s = w->document()->toRawText();
    for (QChar& ch : s)
        if (ch == QChar::ParagraphSeparator || ch == QChar::LineSeparator)
            ch = u'\n';
    return s;
}
} // namespace

QtEditor::QtEditor(EditorWidget* w, plat::WindowHandler* h) : w_(w), handler_(h)
{
    QObject::connect(w, &QPlainTextEdit::textChanged, w, [this, w] {
        if (!setting_ && w->owner_)
            w->owner_->textEdited();
    });
}

void QtEditor::setText(const std::string& text)
{
    if (!w_)
        return;
    setting_ = true;
    bool mod = w_->document()->isModified();
    w_->setPlainText(toLf(fromCp1252(text)));
    w_->document()->setModified(mod);
    setting_ = false;
}

std::string QtEditor::text() const
{
    if (!w_)
        return {};
    return toCp1252(toCrLf(rawText(w_)));
}

size_t QtEditor::toBytes(int pos) const
{
    if (!w_ || pos <= 0)
        return 0;
    QTextBlock b = w_->document()->findBlock(pos);
    int line = b.isValid() ? b.blockNumber() : w_->document()->blockCount() - 1;
    return static_cast<size_t>(pos) + static_cast<size_t>(std::max(0, line));
}

int QtEditor::fromBytes(size_t bytes) const
{
    if (!w_)
        return 0;
    QString s = rawText(w_);
    size_t at = 0;
    int q = 0;
    while (q < s.size()) {
        size_t step = s[q] == u'\n' ? 2 : 1;
        if (at + step > bytes)
            break;
        at += step;
        ++q;
    }
    return q;
}

void QtEditor::setSelection(size_t start, size_t end)
{
    if (!w_)
        return;
    QTextCursor c = w_->textCursor();
    c.setPosition(fromBytes(start));
    c.setPosition(fromBytes(end), QTextCursor::KeepAnchor);
    w_->setTextCursor(c);
}

size_t QtEditor::selectionStart() const { return w_ ? toBytes(w_->textCursor().selectionStart()) : 0; }
size_t QtEditor::selectionEnd() const { return w_ ? toBytes(w_->textCursor().selectionEnd()) : 0; }

void QtEditor::scrollToLine(int line)
{
    if (w_)
        w_->verticalScrollBar()->setValue(std::max(0, line));
}

int QtEditor::firstVisibleLine() const { return w_ ? w_->verticalScrollBar()->value() : 0; }

void QtEditor::setFont(const plat::Font& f)
{
    if (!w_)
        return;
    setting_ = true;
    plat::Font g = f;
    g.escapement = 0;
    QFont q = toQFont(g);
    w_->setFont(q);
    // Tab stops every eight characters.
    w_->setTabStopDistance(QFontMetricsF(q).horizontalAdvance(u' ') * 8);
    setting_ = false;
}

void QtEditor::copy()
{
    if (w_)
        w_->copy();
}

void QtEditor::cut()
{
    if (w_)
        w_->cut();
}

void QtEditor::paste()
{
    if (w_)
        w_->paste();
}

void QtEditor::selectAll()
{
    if (w_)
        w_->selectAll();
}

bool QtEditor::modified() const { return w_ && w_->document()->isModified(); }

void QtEditor::setModified(bool m)
{
    if (w_)
        w_->document()->setModified(m);
}

// --- window ------------------------------------------------------------------

QtWindow::QtWindow(QtPlatform* p, plat::WindowHandler* h, const plat::WindowOptions& o)
    : platform_(p), handler_(h), caption_(o.caption)
{
    win_ = new MainWin(this);
    win_->setAttribute(Qt::WA_DeleteOnClose, false);
    if (o.textEditor) {
        editWidget_ = new EditorWidget(this);
        win_->setCentralWidget(editWidget_);
        editor_ = std::make_unique<QtEditor>(editWidget_, h);
    } else {
        // The painted client with its two scroll bars, hidden until the
        // window class shows them.
        auto* box = new QWidget;
        auto* grid = new QGridLayout(box);
        grid->setContentsMargins(0, 0, 0, 0);
        grid->setSpacing(0);
        client_ = new ClientWidget(this);
        vbar_ = new QScrollBar(Qt::Vertical);
        hbar_ = new QScrollBar(Qt::Horizontal);
        vbar_->hide();
        hbar_->hide();
        grid->addWidget(client_, 0, 0);
        grid->addWidget(vbar_, 0, 1);
        grid->addWidget(hbar_, 1, 0);
        box->setFocusProxy(client_);
        win_->setCentralWidget(box);
        for (QScrollBar* bar : {vbar_, hbar_}) {
            const plat::ScrollBarKind which =
                bar == vbar_ ? plat::ScrollBarKind::Vertical : plat::ScrollBarKind::Horizontal;
            QObject::connect(bar, &QScrollBar::valueChanged, bar, [this, which](int pos) {
                if (settingScroll_ || !handler_)
                    return;
                HandlerScope scope;
                handler_->scrolled(which, pos);
            });
        }
    }
    win_->setWindowTitle(fromUi(caption_));
    win_->setAcceptDrops(o.acceptDrops);
    if (o.geometry.width() > 0 && o.geometry.height() > 0)
        applyOuter(o.geometry);
    else
        win_->resize(640, 480);
    p->addWindow(this);
}

QtWindow::~QtWindow()
{
    platform_->removeWindow(this);
    if (editor_)
        editor_->detach();
    if (client_)
        client_->owner_ = nullptr;
    if (editWidget_)
        editWidget_->owner_ = nullptr;
    if (win_) {
        win_->owner_ = nullptr;
        win_->hide();
        // The widget may be delivering the event that led here.
        win_->deleteLater();
    }
}

QWidget* QtWindow::client() const
{
    if (editWidget_)
        return editWidget_;
    return client_;
}

void QtWindow::setCaption(const std::string& caption)
{
    caption_ = caption;
    if (win_)
        win_->setWindowTitle(fromUi(caption));
    platform_->displayChanged();
}

void QtWindow::buildMenu(QWidget* parent, const std::vector<plat::MenuItem>& items, bool top)
{
    auto* bar = top ? static_cast<QMenuBar*>(parent) : nullptr;
    auto* menu = top ? nullptr : static_cast<QMenu*>(parent);
    MainWin* w = win_;
    for (const auto& it : items) {
        if (it.separator) {
            if (bar)
                bar->addSeparator();
            else
                menu->addSeparator();
            continue;
        }
        if (!it.items.empty() || it.id == 0) {
            QMenu* sub = bar ? bar->addMenu(fromUi(it.label)) : menu->addMenu(fromUi(it.label));
            sub->setEnabled(it.enabled);
            buildMenu(sub, it.items, false);
            continue;
        }
        QAction* a = bar ? bar->addAction(actionText(it)) : menu->addAction(actionText(it));
        int id = it.id;
        QObject::connect(a, &QAction::triggered, w, [w, id] {
            if (w->owner_)
                w->owner_->command(id);
        });
        actions_.emplace(id, QPointer<QAction>(a));
        refreshAction(id);
    }
}

void QtWindow::setMenu(const plat::Menu& menu)
{
    menu_ = menu;
    actions_.clear();
    if (!win_)
        return;
    QMenuBar* bar = win_->menuBar();
    bar->clear();
    buildMenu(bar, menu_, true);
}

plat::MenuItem* QtWindow::findItem(int id)
{
    std::function<plat::MenuItem*(std::vector<plat::MenuItem>&)> walk =
        [&](std::vector<plat::MenuItem>& items) -> plat::MenuItem* {
        for (auto& it : items) {
            if (it.id == id && !it.separator && it.items.empty())
                return &it;
            if (auto* sub = walk(it.items))
                return sub;
        }
        return nullptr;
    };
    return id == 0 ? nullptr : walk(menu_);
}

const plat::MenuItem* QtWindow::findItem(int id) const { return const_cast<QtWindow*>(this)->findItem(id); }

void QtWindow::refreshAction(int id)
{
    const plat::MenuItem* it = findItem(id);
    if (!it)
        return;
    auto range = actions_.equal_range(id);
    for (auto a = range.first; a != range.second; ++a) {
        QAction* act = a->second;
        if (!act)
            continue;
        // Only checked items show a mark: unchecked ones have none at all.
        act->setCheckable(it->checked);
        act->setChecked(it->checked);
        act->setEnabled(it->enabled);
        act->setText(actionText(*it));
    }
}

void QtWindow::checkMenuItem(int id, bool checked)
{
    if (auto* it = findItem(id)) {
        it->checked = checked;
        refreshAction(id);
    }
}

void QtWindow::enableMenuItem(int id, bool enabled)
{
    if (auto* it = findItem(id)) {
        it->enabled = enabled;
        refreshAction(id);
    }
}

void QtWindow::setMenuItemLabel(int id, const std::string& label)
{
    if (auto* it = findItem(id)) {
        it->label = label;
        refreshAction(id);
    }
}

bool QtWindow::menuItemChecked(int id) const
{
    const auto* it = findItem(id);
    return it && it->checked;
}

bool QtWindow::menuItemEnabled(int id) const
{
    const auto* it = findItem(id);
    return it && it->enabled;
}

void QtWindow::show()
{
    if (!win_)
        return;
    bool wasVisible = win_->isVisible();
    win_->show();
    if (!wasVisible && pendingOuter_) {
        // The frame becomes known some time after the window manager has
        // taken the window; look again a little later.
        QPointer<MainWin> w = win_;
        for (int ms : {50, 250, 1000})
            QTimer::singleShot(ms, w, [w] {
                if (w && w->owner_)
                    w->owner_->frameChanged();
            });
    }
}

void QtWindow::hide()
{
    if (win_)
        win_->hide();
}

bool QtWindow::isVisible() const { return win_ && win_->isVisible(); }

void QtWindow::applyOuter(const plat::Rect& r)
{
    if (!win_)
        return;
    QMargins own = frameOf(win_);
    bool known = win_->isVisible() && !own.isNull();
    QMargins m = known ? own : g_frame;
    win_->move(r.left, r.top);
    win_->resize(std::max(1, r.width() - m.left() - m.right()), std::max(1, r.height() - m.top() - m.bottom()));
    if (known)
        pendingOuter_.reset();
    else
        pendingOuter_ = r;
}

void QtWindow::frameChanged()
{
    if (!pendingOuter_ || !win_ || !win_->isVisible())
        return;
    QMargins m = frameOf(win_);
    if (m.isNull())
        return;
    g_frame = m;
    plat::Rect r = *pendingOuter_;
    pendingOuter_.reset();
    if (!win_->isMaximized() && !win_->isMinimized())
        applyOuter(r);
}

void QtWindow::setGeometry(const plat::Rect& outer)
{
    if (outer.width() <= 0 || outer.height() <= 0)
        return;
    applyOuter(outer);
}

plat::Rect QtWindow::geometry() const
{
    if (!win_)
        return {};
    if (pendingOuter_ && !win_->isVisible())
        return *pendingOuter_;
    QRect f = win_->frameGeometry();
    return {f.left(), f.top(), f.left() + f.width(), f.top() + f.height()};
}

plat::Size QtWindow::clientSize() const
{
    if (!win_)
        return {};
    int w = win_->width();
    int h = std::max(0, win_->height() - menuBarHeight(win_, w));
    // The scroll bars that show take their room from the client.
    if (vbar_ && !vbar_->isHidden())
        w -= vbar_->sizeHint().width();
    if (hbar_ && !hbar_->isHidden())
        h -= hbar_->sizeHint().height();
    return {std::max(0, w), std::max(0, h)};
}

void QtWindow::setScrollBar(plat::ScrollBarKind which, const plat::ScrollBarState& state)
{
    QScrollBar* bar = which == plat::ScrollBarKind::Vertical ? vbar_ : hbar_;
    if (!bar)
        return;
    settingScroll_ = true;
    const int page = std::max(1, state.page);
    bar->setRange(0, std::max(0, state.max - page + 1));
    bar->setPageStep(page);
    bar->setSingleStep(1);
    bar->setValue(state.pos);
    settingScroll_ = false;
    if (bar->isHidden() == state.visible)
        bar->setVisible(state.visible);
}

void QtWindow::setClientSize(plat::Size s)
{
    if (!win_)
        return;
    int w = std::max(1, s.w);
    win_->resize(w, std::max(1, s.h) + menuBarHeight(win_, w));
    if (pendingOuter_) {
        plat::Rect r = *pendingOuter_;
        QMargins m = g_frame;
        r.right = r.left + win_->width() + m.left() + m.right();
        r.bottom = r.top + win_->height() + m.top() + m.bottom();
        pendingOuter_ = r;
    }
}

void QtWindow::showMaximized()
{
    if (win_)
        win_->showMaximized();
}

bool QtWindow::isMaximized() const { return win_ && win_->isMaximized(); }
bool QtWindow::isMinimized() const { return win_ && win_->isMinimized(); }

void QtWindow::restore()
{
    if (win_)
        win_->showNormal();
}

void QtWindow::bringToTop()
{
    if (!win_)
        return;
    if (win_->isMinimized())
        win_->showNormal();
    win_->raise();
    win_->activateWindow();
}

void QtWindow::invalidate()
{
    dirty_ = true;
    platform_->displayChanged();
    if (editWidget_)
        editWidget_->viewport()->update();
    else if (client_)
        client_->update();
}

void QtWindow::update()
{
    if (client_ && dirty_ && client_->isVisible()) {
        client_->repaint();
        platform_->displayChanged();
    }
}

void QtWindow::setAcceptDrops(bool on)
{
    if (win_)
        win_->setAcceptDrops(on);
}

// --- events ------------------------------------------------------------------

const plat::Accelerator* QtWindow::accelerator(int vk, bool ctrl, bool shift, bool alt) const
{
    if (vk == 0)
        return nullptr;
    for (const auto& a : accels_)
        if (a.key == vk && a.ctrl == ctrl && a.shift == shift && a.alt == alt)
            return &a;
    return nullptr;
}

void QtWindow::runAccelerator(const plat::Accelerator& a)
{
    // The command of a disabled menu item is not given by its key either.
    const plat::MenuItem* it = findItem(a.id);
    if (it && !it->enabled)
        return;
    command(a.id);
}

void QtWindow::command(int id)
{
    HandlerScope scope;
    if (handler_)
        handler_->command(id);
}

void QtWindow::paint(QPaintEvent*)
{
    dirty_ = false;
    if (!client_ || !handler_)
        return;
    QPainter p(client_);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    QtDC dc(&p, client_, platform_->screenDeviceCaps());
    HandlerScope scope;
    handler_->paint(dc);
}

void QtWindow::resized()
{
    QWidget* c = client();
    if (!handler_ || !c)
        return;
    HandlerScope scope;
    handler_->resized({c->width(), c->height()});
}

void QtWindow::mouse(QMouseEvent* e, int kind)
{
    if (!handler_)
        return;
    plat::MouseEvent m;
    m.kind = static_cast<plat::MouseEvent::Kind>(kind);
    switch (e->button()) {
    case Qt::LeftButton: m.button = 1; break;
    case Qt::RightButton: m.button = 2; break;
    case Qt::MiddleButton: m.button = 3; break;
    default: m.button = 0; break;
    }
    if (m.kind == plat::MouseEvent::Move)
        m.button = 0;
    else if (m.button == 0)
        return;
    QPoint pos = e->position().toPoint();
    m.pos = {pos.x(), pos.y()};
    m.shift = e->modifiers().testFlag(Qt::ShiftModifier);
    m.ctrl = e->modifiers().testFlag(Qt::ControlModifier);
    HandlerScope scope;
    handler_->mouse(m);
}

void QtWindow::key(QKeyEvent* e)
{
    int vk = vkFromQtKey(e->key());
    if (!handler_ || vk == 0) {
        e->ignore();
        return;
    }
    HandlerScope scope;
    handler_->keyDown(vk, e->modifiers().testFlag(Qt::ShiftModifier), e->modifiers().testFlag(Qt::ControlModifier));
}

void QtWindow::closeRequested(QCloseEvent* e)
{
    if (platform_->polling()) {
        e->ignore();
        return;
    }
    plat::WindowHandler* h = handler_;
    if (!h) {
        e->accept();
        return;
    }
    bool ok;
    {
        HandlerScope scope;
        ok = h->canClose();
    }
    if (!ok) {
        e->ignore();
        return;
    }
    e->accept();
    // Nothing of this object is used after closed(): the window class may
    // let it go.
    HandlerScope scope;
    h->closed();
}

void QtWindow::dropped(QDropEvent* e)
{
    if (platform_->polling() || !localFiles(e->mimeData())) {
        e->ignore();
        return;
    }
    std::vector<std::string> paths;
    for (const QUrl& u : e->mimeData()->urls())
        if (u.isLocalFile())
            paths.push_back(toPath(u.toLocalFile()));
    e->acceptProposedAction();
    // Opened once the drop is over, so that the drag source is not kept
    // waiting by the questions and windows that follow.
    QPointer<MainWin> w = win_;
    platform_->defer([w, paths] {
        if (w && w->owner_ && w->owner_->handler())
            w->owner_->handler()->filesDropped(paths);
    });
}

void QtWindow::textEdited()
{
    if (!handler_)
        return;
    HandlerScope scope;
    handler_->textEdited();
}

} // namespace quan::qtui
