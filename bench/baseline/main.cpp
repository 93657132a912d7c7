// A bare Qt Widgets dialog of the calculator's size and make-up: a menu bar,
// two drop-down lists, four fields, six push buttons, the labels, two framed
// result fields and three etched lines. Plain widgets, default style, nothing
// drawn by the program itself; the fonts the calculator's window shows, asked
// for by name: its dialog font (8 points, 11 pixels at 96 dpi) for the window,
// and its two lists' 10-point (13-pixel) fixed-pitch font, which the
// calculator gives them once they are made. Where the faces it asks for are
// not installed, the calculator shows these stand-ins, as on the machines the
// benchmark runs on.
//
//   baseline WIDTH HEIGHT     (the window's size in pixels, menu bar included)
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <cstdlib>

namespace {

// Places the controls on the calculator's grid of 277 x 225 units.
class Grid {
public:
    Grid(QWidget* client, QSize size) : m_client(client), m_size(size) {}

    template <typename Widget>
    Widget* place(Widget* widget, int x, int y, int cx, int cy) {
        widget->setParent(m_client);
        widget->setGeometry(x * m_size.width() / 277, y * m_size.height() / 225, cx * m_size.width() / 277,
                            cy * m_size.height() / 225);
        return widget;
    }

private:
    QWidget* m_client;
    QSize m_size;
};

QFrame* Line() {
    auto* line = new QFrame;
    line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    return line;
}

QLabel* Result() {
    auto* label = new QLabel;
    label->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    return label;
}

QFont Font(const char* family, int pixels) {
    QFont font{QLatin1String(family)};
    font.setPixelSize(pixels);
    return font;
}

QComboBox* List(const char* prefix, int rows) {
    auto* combo = new QComboBox;
    for (int i = 0; i < rows; ++i) combo->addItem(QStringLiteral("%1-%2").arg(QLatin1String(prefix)).arg(i));
    return combo;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int width = argc > 2 ? std::atoi(argv[1]) : 420;
    const int height = argc > 2 ? std::atoi(argv[2]) : 360;

    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Baseline"));
    dialog.setFont(Font("Liberation Sans", 11));
    auto* layout = new QVBoxLayout(&dialog);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto* menus = new QMenuBar(&dialog);
    QMenu* file = menus->addMenu(QStringLiteral("File"));
    file->addAction(QStringLiteral("Salva..."));
    file->addAction(QStringLiteral("Stampa..."));
    file->addSeparator();
    file->addAction(QStringLiteral("Esci"));
    QMenu* help = menus->addMenu(QStringLiteral("?"));
    help->addAction(QStringLiteral("Aiuto...\tF1"));
    help->addSeparator();
    help->addAction(QStringLiteral("Informazioni..."));
    layout->setMenuBar(menus);

    auto* client = new QWidget(&dialog);
    layout->addWidget(client);
    Grid grid(client, QSize(width, height - menus->sizeHint().height()));

    grid.place(Line(), 10, 75, 184, 1);
    grid.place(Line(), 10, 135, 184, 1);
    grid.place(Line(), 10, 175, 184, 1);
    QComboBox* mixes = grid.place(List("T-xxx", 11), 10, 10, 260, 12);
    QComboBox* cores = grid.place(List("T-nn", 15), 195, 30, 75, 12);
    grid.place(new QLineEdit, 195, 50, 75, 12);
    grid.place(new QPushButton(QStringLiteral("Calcola Induttanza")), 195, 70, 75, 12);
    grid.place(new QLineEdit, 195, 90, 75, 12);
    grid.place(new QLineEdit, 195, 110, 75, 12);
    grid.place(new QPushButton(QStringLiteral("Calcola Frequenza")), 195, 130, 75, 12);
    grid.place(new QLineEdit, 195, 150, 75, 12);
    grid.place(new QPushButton(QStringLiteral("Calcola Reattanza")), 195, 170, 75, 12);
    grid.place(new QPushButton(QStringLiteral("FL  --->  C")), 65, 110, 45, 12);
    grid.place(new QPushButton(QStringLiteral("FC  --->   L")), 65, 90, 45, 12);
    grid.place(new QPushButton(QStringLiteral("L  --->  N")), 65, 50, 45, 12);
    grid.place(new QLabel(QStringLiteral("Toroide")), 125, 30, 61, 12);
    grid.place(new QLabel(QStringLiteral("Induttanza  [\u00B5H]")), 125, 90, 60, 12);
    grid.place(new QLabel(QStringLiteral("Capacit\u00E0  [pF]")), 125, 110, 60, 12);
    grid.place(new QLabel(QStringLiteral("Frequenza  [MHz]")), 125, 150, 65, 12);
    grid.place(new QLabel(QStringLiteral("Numero spire")), 125, 50, 60, 12);
    grid.place(new QLabel(QStringLiteral("Reattanza induttiva      [Ohm]")), 75, 190, 105, 12);
    grid.place(Result(), 195, 190, 75, 12);
    grid.place(new QLabel(QStringLiteral("Reattanza capacitiva  [Ohm]")), 75, 205, 105, 12);
    grid.place(Result(), 195, 205, 75, 12);

    for (QComboBox* list : {mixes, cores}) list->setFont(Font("Liberation Mono", 13));
    dialog.setFixedSize(width, height);
    return dialog.exec();
}
