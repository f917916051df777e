#include "qt/qt_platform.h"

#include "qt/qt_dialog.h"
#include "qt/qt_text.h"
#include "qt/qt_window.h"

#include <QApplication>
#include <QMessageBox>
#include <QClipboard>
#include <QColorDialog>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPlainTextEdit>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>
#include <cmath>

namespace quan::qtui {

namespace {

QtPlatform* g_instance = nullptr;

class InputFilter : public QObject {
public:
    explicit InputFilter(QtPlatform* p) : p_(p) {}
    bool eventFilter(QObject* o, QEvent* e) override { return p_->filterEvent(o, e) || QObject::eventFilter(o, e); }

private:
    QtPlatform* p_;
};

// The caps of a printer: resolution, printable area and its offset from
// the paper's corner.
DeviceCaps printerCaps(QPrinter& pr)
{
    DeviceCaps c{};
    QRectF page = pr.pageRect(QPrinter::DevicePixel), paper = pr.paperRect(QPrinter::DevicePixel);
    QRectF mm = pr.pageRect(QPrinter::Millimeter);
    c[static_cast<size_t>(plat::Cap::LogPixelsX)] = pr.logicalDpiX();
    c[static_cast<size_t>(plat::Cap::LogPixelsY)] = pr.logicalDpiY();
    c[static_cast<size_t>(plat::Cap::HorzRes)] = static_cast<int>(std::lround(page.width()));
    c[static_cast<size_t>(plat::Cap::VertRes)] = static_cast<int>(std::lround(page.height()));
    c[static_cast<size_t>(plat::Cap::HorzSize)] = static_cast<int>(std::lround(mm.width()));
    c[static_cast<size_t>(plat::Cap::VertSize)] = static_cast<int>(std::lround(mm.height()));
    c[static_cast<size_t>(plat::Cap::PhysicalOffsetX)] = static_cast<int>(std::lround(page.left() - paper.left()));
    c[static_cast<size_t>(plat::Cap::PhysicalOffsetY)] = static_cast<int>(std::lround(page.top() - paper.top()));
    c[static_cast<size_t>(plat::Cap::ColorDevice)] = pr.colorMode() == QPrinter::Color ? 1 : 0;
    return c;
}

// A print job: one painter over the printer; a page is begun by the first
// beginPage and by newPage after that.
class QtPrintJob : public plat::Printer {
public:
    QtPrintJob(QPrinter* printer, std::unique_ptr<QPrinter> owned)
        : printer_(printer), owned_(std::move(owned)), caps_(printerCaps(*printer_))
    {
    }
    ~QtPrintJob() override { finish(); }
    bool beginPage() override
    {
        if (done_)
            return false;
        if (!begun_) {
            if (!painter_.begin(printer_))
                return false;
            begun_ = true;
        } else if (!printer_->newPage()) {
            return false;
        }
        painter_.setRenderHint(QPainter::TextAntialiasing, true);
        dc_ = std::make_unique<QtDC>(&painter_, printer_, caps_);
        return true;
    }
    plat::DC& dc() override
    {
        if (!dc_)
            dc_ = std::make_unique<QtDC>(nullptr, printer_, caps_);
        return *dc_;
    }
    bool endPage() override { return begun_ && !done_; }
    bool finish() override
    {
        if (done_)
            return true;
        done_ = true;
        dc_.reset();
        return begun_ ? painter_.end() : true;
    }

private:
    QPrinter* printer_;
    std::unique_ptr<QPrinter> owned_;
    QPainter painter_;
    DeviceCaps caps_;
    std::unique_ptr<QtDC> dc_;
    bool begun_ = false, done_ = false;
};

// "Name (*.hor)|*.hor|..." as Qt name filters; extensions match in either
// case.
QStringList nameFilters(const std::string& filter)
{
    QStringList parts = fromUi(filter).split(u'|');
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString name = parts[i].trimmed();
        QStringList pats;
        for (QString p : parts[i + 1].split(u';', Qt::SkipEmptyParts)) {
            p = p.trimmed();
            if (p == u"*.*" || p == u"*") {
                pats << QStringLiteral("*");
                continue;
            }
            pats << p;
            if (p.toUpper() != p)
                pats << p.toUpper();
        }
        if (pats.isEmpty())
            continue;
        qsizetype paren = name.lastIndexOf(u'(');
        if (paren > 0 && name.endsWith(u')'))
            name = name.left(paren).trimmed();
        out << name + QStringLiteral(" (") + pats.join(u' ') + u')';
    }
    if (out.isEmpty())
        out << QStringLiteral("All files (*)");
    return out;
}

} // namespace

// --- scopes and keys ----------------------------------------------------------

HandlerScope::HandlerScope()
{
    if (g_instance)
        g_instance->enterHandler();
}

HandlerScope::~HandlerScope()
{
    if (g_instance)
        g_instance->leaveHandler();
}

int vkFromQtKey(int key)
{
    namespace vk = plat::vk;
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return key; // the same codes as the upper-case letters
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return key;
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12)
        return vk::F1 + (key - Qt::Key_F1);
    switch (key) {
    case Qt::Key_Backspace: return vk::Back;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return vk::Tab;
    case Qt::Key_Return:
    case Qt::Key_Enter: return vk::Return;
    case Qt::Key_Escape: return vk::Escape;
    case Qt::Key_Space: return vk::Space;
    case Qt::Key_PageUp: return vk::Prior;
    case Qt::Key_PageDown: return vk::Next;
    case Qt::Key_End: return vk::End;
    case Qt::Key_Home: return vk::Home;
    case Qt::Key_Left: return vk::Left;
    case Qt::Key_Up: return vk::Up;
    case Qt::Key_Right: return vk::Right;
    case Qt::Key_Down: return vk::Down;
    case Qt::Key_Insert: return vk::Insert;
    case Qt::Key_Delete: return vk::Delete;
    case Qt::Key_Plus: return 0xBB;
    case Qt::Key_Comma: return 0xBC;
    case Qt::Key_Minus: return 0xBD;
    case Qt::Key_Period: return 0xBE;
    default: return 0;
    }
}

// --- platform -------------------------------------------------------------------

QtPlatform::QtPlatform()
{
    g_instance = this;
    filter_ = std::make_unique<InputFilter>(this);
    qApp->installEventFilter(filter_.get());
    startDir_ = QDir::currentPath();
    lastDir_ = startDir_;
    // Windows whose commands depend on the clipboard follow it.
    QObject::connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, qApp, [this] {
        HandlerScope scope;
        for (QtWindow* w : std::vector<QtWindow*>(windows_.begin(), windows_.end()))
            if (w->handler())
                w->handler()->clipboardChanged();
    });
}

QtPlatform::~QtPlatform()
{
    if (qApp)
        qApp->removeEventFilter(filter_.get());
    if (g_instance == this)
        g_instance = nullptr;
}

QtPlatform* QtPlatform::instance() { return g_instance; }

void QtPlatform::removeWindow(QtWindow* w)
{
    windows_.erase(w);
    std::erase_if(keys_, [w](const QueuedKey& k) { return k.window == w; });
    keysWaiting_ = !keys_.empty();
}

QtWindow* QtPlatform::windowOf(QObject* o) const
{
    if (!o)
        return nullptr;
    if (o->isWidgetType()) {
        auto* top = dynamic_cast<MainWin*>(static_cast<QWidget*>(o)->window());
        return top ? top->owner_ : nullptr;
    }
    if (o->isWindowType()) {
        for (QtWindow* w : windows_)
            if (w->widget() && w->widget()->windowHandle() == o)
                return w;
    }
    return nullptr;
}

QWidget* QtPlatform::parentWidget(plat::Window* owner)
{
    auto* w = dynamic_cast<QtWindow*>(owner);
    return w ? w->widget() : nullptr;
}

void QtPlatform::enterHandler()
{
    if (depth_ == 0) {
        // A new event: key polling measures its pace afresh.
        stride_ = 1;
        countdown_ = 1;
    }
    ++depth_;
}

void QtPlatform::leaveHandler()
{
    --depth_;
    if (depth_ == 0 && !deferred_.empty())
        scheduleDeferred();
}

bool QtPlatform::filterEvent(QObject* o, QEvent* e)
{
    switch (e->type()) {
    case QEvent::ShortcutOverride: {
        auto* k = static_cast<QKeyEvent*>(e);
        if (pollDepth_ > 0) {
            // Delivered as a key press, which is then queued.
            k->accept();
            return true;
        }
        QtWindow* w = windowOf(o);
        if (w && w->accelerator(vkFromQtKey(k->key()), k->modifiers().testFlag(Qt::ControlModifier),
                                k->modifiers().testFlag(Qt::ShiftModifier), k->modifiers().testFlag(Qt::AltModifier))) {
            // Accelerators come before the shortcuts of menus and editors.
            k->accept();
            return true;
        }
        return false;
    }
    case QEvent::KeyPress: {
        auto* k = static_cast<QKeyEvent*>(e);
        QtWindow* w = windowOf(o);
        int vk = vkFromQtKey(k->key());
        bool ctrl = k->modifiers().testFlag(Qt::ControlModifier);
        bool shift = k->modifiers().testFlag(Qt::ShiftModifier);
        bool alt = k->modifiers().testFlag(Qt::AltModifier);
        if (pollDepth_ > 0) {
            if (w) {
                keys_.push_back({w, vk, ctrl, shift, alt, k->text()});
                keysWaiting_ = true;
            }
            return true;
        }
        if (!w)
            return false;
        if (const plat::Accelerator* a = w->accelerator(vk, ctrl, shift, alt)) {
            plat::Accelerator copy = *a;
            w->runAccelerator(copy);
            return true;
        }
        return false;
    }
    case QEvent::KeyRelease:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::TabletMove:
        // While a computation polls, the user's input waits for its end.
        return pollDepth_ > 0;
    case QEvent::Close:
        // The user's close box waits too; the program's own closes do not.
        if (pollDepth_ > 0 && e->spontaneous()) {
            e->ignore();
            return true;
        }
        return false;
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        if (pollDepth_ > 0) {
            e->ignore();
            return true;
        }
        return false;
    default: return false;
    }
}

std::unique_ptr<plat::Window> QtPlatform::createWindow(plat::WindowHandler* handler, const plat::WindowOptions& opts)
{
    return std::make_unique<QtWindow>(this, handler, opts);
}

std::unique_ptr<plat::Dialog> QtPlatform::createDialog(const plat::DialogTemplate& t, plat::DialogHandler* handler,
                                                       plat::Window* owner)
{
    return std::make_unique<QtDialog>(t, handler, parentWidget(owner));
}

int QtPlatform::runModal(plat::Dialog& d)
{
    auto* q = dynamic_cast<QtDialog*>(&d);
    return q ? q->exec() : plat::IdCancel;
}

void QtPlatform::aboutBox(plat::Window* owner, const std::string& text, const std::string& title)
{
    QMessageBox box(parentWidget(owner));
    box.setWindowTitle(fromUi(title));
    QString body = fromUi(text);
    body.remove(u'\r');
    box.setText(body);
    box.setTextFormat(Qt::PlainText);
    box.setIconPixmap(QApplication::windowIcon().pixmap(64, 64));
    box.setStandardButtons(QMessageBox::Ok);
    if (QAbstractButton* ok = box.button(QMessageBox::Ok))
        ok->setText(QStringLiteral("ok"));
    HandlerScope scope;
    box.exec();
}

int QtPlatform::messageBox(plat::Window* owner, plat::MessageKind kind, const std::string& text,
                           const std::string& title)
{
    QDialog box(parentWidget(owner));
    box.setWindowTitle(fromUi(title));
    auto* layout = new QVBoxLayout(&box);
    layout->setContentsMargins(18, 16, 18, 12);
    layout->setSpacing(14);
    QString body = fromUi(text);
    body.remove(u'\r');
    if (body.count(u'\n') > 24 || body.size() > 2000) {
        // Long texts (help shown in a box) scroll.
        auto* view = new QPlainTextEdit(body, &box);
        view->setReadOnly(true);
        view->setMinimumSize(520, 360);
        layout->addWidget(view);
    } else {
        auto* label = new QLabel(body, &box);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        // Wide enough for the longest line, within reason.
        int longest = 0;
        for (const QString& line : body.split(u'\n'))
            longest = std::max(longest, label->fontMetrics().horizontalAdvance(line));
        label->setMinimumWidth(std::clamp(longest + 8, 240, 560));
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        layout->addWidget(label);
    }
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    std::vector<std::pair<QString, int>> buttons;
    switch (kind) {
    case plat::MessageKind::Ok: buttons = {{QStringLiteral("ok"), plat::IdOk}}; break;
    case plat::MessageKind::YesNo:
    case plat::MessageKind::YesNoDefaultNo:
        buttons = {{QStringLiteral("&yes"), plat::IdYes}, {QStringLiteral("&no"), plat::IdNo}};
        break;
    case plat::MessageKind::YesNoCancel:
        buttons = {{QStringLiteral("&yes"), plat::IdYes},
                   {QStringLiteral("&no"), plat::IdNo},
                   {QStringLiteral("&cancel"), plat::IdCancel}};
        break;
    }
    // The default button: the first, or "no" where Enter must do no harm.
    const int defaultId = kind == plat::MessageKind::YesNoDefaultNo ? plat::IdNo : buttons.front().second;
    for (const auto& [label, id] : buttons) {
        auto* b = new QPushButton(label, &box);
        b->setMinimumWidth(80);
        int result = id;
        QObject::connect(b, &QPushButton::clicked, &box, [&box, result] { box.done(result); });
        b->setAutoDefault(false);
        if (id == defaultId) {
            b->setDefault(true);
            b->setFocus();
        }
        row->addWidget(b);
    }
    row->addStretch(1);
    layout->addLayout(row);
    HandlerScope scope;
    int r = box.exec();
    if (r == QDialog::Rejected) // Escape or the close box
        return kind == plat::MessageKind::YesNo || kind == plat::MessageKind::YesNoDefaultNo ? plat::IdNo
                                                                                              : plat::IdCancel;
    return r;
}

std::optional<std::string> QtPlatform::openFileDialog(plat::Window* owner, const plat::FileDialogOptions& o)
{
    QFileDialog dlg(parentWidget(owner), fromUi(o.title), o.directory.empty() ? lastDir_ : fromPath(o.directory));
    dlg.setAcceptMode(QFileDialog::AcceptOpen);
    dlg.setFileMode(QFileDialog::ExistingFile);
    dlg.setNameFilters(nameFilters(o.filter));
    if (!o.proposedName.empty())
        dlg.selectFile(fromPath(o.proposedName));
    HandlerScope scope;
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return std::nullopt;
    QString f = dlg.selectedFiles().first();
    lastDir_ = QFileInfo(f).absolutePath();
    return toPath(f);
}

std::optional<std::string> QtPlatform::saveFileDialog(plat::Window* owner, const plat::FileDialogOptions& o)
{
    QFileDialog dlg(parentWidget(owner), fromUi(o.title), o.directory.empty() ? lastDir_ : fromPath(o.directory));
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    dlg.setFileMode(QFileDialog::AnyFile);
    dlg.setNameFilters(nameFilters(o.filter));
    // The window classes ask their own question before overwriting.
    dlg.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (!o.defaultExt.empty())
        dlg.setDefaultSuffix(fromUi(o.defaultExt).toLower());
    if (!o.proposedName.empty())
        dlg.selectFile(fromPath(o.proposedName));
    HandlerScope scope;
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return std::nullopt;
    QString f = dlg.selectedFiles().first();
    lastDir_ = QFileInfo(f).absolutePath();
    std::string path = toPath(f);
    // A name typed without an extension gets the default one; a folder (a
    // name ending with a separator) stays as it is.
    const QString file = QFileInfo(f).fileName();
    if (!o.defaultExt.empty() && !file.isEmpty() && file.indexOf(u'.') < 0) {
        path += '.';
        path += toPath(fromUi(o.defaultExt).toLower());
    }
    return path;
}

bool QtPlatform::chooseFont(plat::Window* owner, plat::FontChoice& choice)
{
    QWidget* parent = parentWidget(owner);
    QFont initial = toQFont(choice.font);
    initial.setPointSize(choice.points > 0 ? choice.points : 10);
    bool ok = false;
    QFont f;
    {
        HandlerScope scope;
        f = QFontDialog::getFont(&ok, initial, parent, fromUi(choice.title));
    }
    if (!ok)
        return false;
    plat::Font out = choice.font;
    if (f.family() != fontFace(choice.font)) {
        out.face = toUi(f.family());
        bool symbol = f.family().compare(QStringLiteral("Symbol"), Qt::CaseInsensitive) == 0;
        out.charSet = symbol ? 2 : 0;
        out.pitchAndFamily = (out.pitchAndFamily & ~3) | (QFontInfo(f).fixedPitch() ? 1 : 2);
    }
    int points = f.pointSize();
    if (points <= 0)
        points = static_cast<int>(std::lround(f.pointSizeF() > 0 ? f.pointSizeF() : 10));
    choice.points = points;
    out.height = -static_cast<int>(std::lround(points * screenCaps(plat::Cap::LogPixelsY) / 72.0));
    out.weight = f.weight();
    out.italic = f.italic();
    if (choice.effects) {
        out.underline = f.underline();
        out.strikeOut = f.strikeOut();
        HandlerScope scope;
        QColor c = QColorDialog::getColor(toQColor(choice.color), parent, fromUi(choice.title));
        if (c.isValid())
            choice.color = fromQColor(c);
    }
    choice.font = out;
    return true;
}

QPrinter& QtPlatform::sharedPrinter()
{
    if (!printer_)
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

std::unique_ptr<plat::Printer> QtPlatform::startPrinting(plat::Window* owner, const std::string& jobName)
{
    QString pdf = qEnvironmentVariable("QUANDEL_PRINT_TO_PDF");
    if (!pdf.isEmpty()) {
        // Straight into a PDF file without asking: a letter page at 600 dpi
        // with a quarter-inch margin.
        auto pr = std::make_unique<QPrinter>(QPrinter::HighResolution);
        pr->setOutputFormat(QPrinter::PdfFormat);
        pr->setOutputFileName(pdf);
        pr->setResolution(600);
        pr->setPageSize(QPageSize(QPageSize::Letter));
        pr->setPageMargins(QMarginsF(6.35, 6.35, 6.35, 6.35), QPageLayout::Millimeter);
        pr->setDocName(fromUi(jobName));
        QPrinter* raw = pr.get();
        return std::make_unique<QtPrintJob>(raw, std::move(pr));
    }
    QPrinter& pr = sharedPrinter();
    pr.setDocName(fromUi(jobName));
    QPrintDialog dlg(&pr, parentWidget(owner));
    {
        HandlerScope scope;
        if (dlg.exec() != QDialog::Accepted)
            return nullptr;
    }
    if (pr.outputFormat() == QPrinter::PdfFormat)
        pr.setResolution(600);
    return std::make_unique<QtPrintJob>(&pr, nullptr);
}

void QtPlatform::printerSetup(plat::Window* owner)
{
    QPageSetupDialog dlg(&sharedPrinter(), parentWidget(owner));
    HandlerScope scope;
    dlg.exec();
}

std::string QtPlatform::clipboardText()
{
    return toCp1252(toCrLf(QGuiApplication::clipboard()->text()));
}

void QtPlatform::setClipboardText(const std::string& text)
{
    QGuiApplication::clipboard()->setText(toLf(fromCp1252(text)));
}

void QtPlatform::setClipboardBitmap(const plat::Bitmap& b)
{
    QGuiApplication::clipboard()->setImage(bitmapImage(b));
}

void QtPlatform::setClipboardPicture(const plat::ClipboardPicture& p)
{
    // One change with every format: the image (Qt offers it as image/png
    // and the other image types), the SVG and the enhanced metafile.
    auto* data = new QMimeData;
    if (p.bitmap)
        data->setImageData(bitmapImage(*p.bitmap));
    if (!p.svg.empty())
        data->setData(QStringLiteral("image/svg+xml"), QByteArray(p.svg.data(), static_cast<qsizetype>(p.svg.size())));
    if (!p.emf.empty())
        data->setData(QStringLiteral("image/emf"), QByteArray(p.emf.data(), static_cast<qsizetype>(p.emf.size())));
    QGuiApplication::clipboard()->setMimeData(data);
}

int QtPlatform::takeKey(QtWindow* w)
{
    while (!keys_.empty()) {
        QueuedKey k = keys_.front();
        keys_.pop_front();
        keysWaiting_ = !keys_.empty();
        if (w && k.window != w)
            continue;
        if (k.window && k.window->accelerator(k.vk, k.ctrl, k.shift, k.alt))
            return 'Q';
        if (k.text.isEmpty())
            continue; // shift keys, arrows: no character
        char16_t c = k.text[0].unicode();
        if (c >= u'a' && c <= u'z')
            c = static_cast<char16_t>(c - u'a' + u'A');
        if (c > 0 && c < 256)
            return c;
    }
    return 0;
}

int QtPlatform::pollKey(plat::Window* w)
{
    // The common case costs a decrement and two comparisons.
    if (--countdown_ > 0 && !keysWaiting_)
        return 0;
    return pollEvents(w);
}

int QtPlatform::pollEvents(plat::Window* w)
{
    if (countdown_ <= 0) {
        // The clock is read only every stride calls; the stride follows
        // the pace of the calls so that a reading falls about every
        // millisecond (it at most doubles at a time, and drops at once when
        // the calls slow down).
        auto now = std::chrono::steady_clock::now();
        auto since = std::chrono::duration_cast<std::chrono::nanoseconds>(now - lastCheck_).count();
        lastCheck_ = now;
        double ratio = 1e6 / static_cast<double>(std::max<long long>(since, 1));
        long next = ratio >= 2 ? stride_ * 2 : static_cast<long>(static_cast<double>(stride_) * ratio);
        stride_ = std::clamp(next, 1L, kMaxStride);
        countdown_ = stride_;
        if (now - lastEvents_ >= std::chrono::milliseconds(4)) {
            ++pollDepth_;
            QCoreApplication::processEvents(QEventLoop::AllEvents);
            if (displayDirty_ && now - lastSync_ >= std::chrono::milliseconds(30)) {
                // Captions (the progress of the computation) and pictures
                // changed: send them to the display now, not when the event
                // loop next waits.
                displayDirty_ = false;
                lastSync_ = now;
                QGuiApplication::sync();
            }
            --pollDepth_;
            lastEvents_ = std::chrono::steady_clock::now();
        }
    }
    return keysWaiting_ ? takeKey(dynamic_cast<QtWindow*>(w)) : 0;
}

void QtPlatform::defer(std::function<void()> f)
{
    deferred_.push_back(std::move(f));
    scheduleDeferred();
}

void QtPlatform::scheduleDeferred()
{
    if (deferScheduled_)
        return;
    deferScheduled_ = true;
    QTimer::singleShot(0, filter_.get(), [this] {
        deferScheduled_ = false;
        runDeferred();
    });
}

void QtPlatform::runDeferred()
{
    // Not while a handler runs (a modal loop inside it, a key poll):
    // leaveHandler asks again once the last one has returned.
    if (depth_ > 0)
        return;
    auto work = std::move(deferred_);
    deferred_.clear();
    for (auto& f : work) {
        HandlerScope scope;
        f();
    }
}

std::unique_ptr<plat::Bitmap> QtPlatform::createBitmap(plat::Size s)
{
    return std::make_unique<QtBitmap>(s, screenDeviceCaps());
}

std::string QtPlatform::settingsDirectory()
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    if (dir.isEmpty())
        dir = QDir::homePath() + QStringLiteral("/.quandel");
    QDir().mkpath(dir);
    std::string s = toPath(QDir::cleanPath(dir));
    if (s.empty() || s.back() != '/')
        s += '/';
    return s;
}

plat::Size QtPlatform::screenSize()
{
    QScreen* s = QGuiApplication::primaryScreen();
    if (!s)
        return {1024, 768};
    QRect g = s->geometry();
    return {g.width(), g.height()};
}

int QtPlatform::screenCaps(plat::Cap c)
{
    QScreen* s = QGuiApplication::primaryScreen();
    if (!s)
        return c == plat::Cap::LogPixelsX || c == plat::Cap::LogPixelsY ? 96 : 0;
    switch (c) {
    case plat::Cap::LogPixelsX: return static_cast<int>(std::lround(s->logicalDotsPerInchX()));
    case plat::Cap::LogPixelsY: return static_cast<int>(std::lround(s->logicalDotsPerInchY()));
    case plat::Cap::HorzRes: return s->geometry().width();
    case plat::Cap::VertRes: return s->geometry().height();
    case plat::Cap::HorzSize: return static_cast<int>(std::lround(s->physicalSize().width()));
    case plat::Cap::VertSize: return static_cast<int>(std::lround(s->physicalSize().height()));
    case plat::Cap::ColorDevice: return 1;
    default: return 0;
    }
}

DeviceCaps QtPlatform::screenDeviceCaps()
{
    DeviceCaps c{};
    for (size_t i = 0; i < c.size(); ++i)
        c[i] = screenCaps(static_cast<plat::Cap>(i));
    return c;
}

std::string QtPlatform::longDate()
{
    return toUi(QLocale::system().toString(QDate::currentDate(), QLocale::LongFormat));
}

std::string QtPlatform::startDirectory() { return toPath(startDir_); }

int QtPlatform::run() { return QApplication::exec(); }

void QtPlatform::quit()
{
    // After the current event; leaves every event loop without asking the
    // windows again (they have been asked).
    QMetaObject::invokeMethod(qApp, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
}

} // namespace quan::qtui
