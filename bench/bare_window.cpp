// The floor of the start-up benchmark: a plain QMainWindow with what the main window shows and
// nothing else (no icon, no lines, no control table), so what the program costs beyond it is
// its own start-up work. Sizes and fonts are those of app/main_window.cpp and ui/forms/form_builder.cpp:
// Chinese text costs font loading, and the floor must pay for it too.
#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>

namespace {

QFont songFont(int pixelSize)
{
    QFont font;
    font.setFamilies({"宋体", "SimSun", "AR PL UMing CN", "Noto Serif CJK SC", "WenQuanYi Zen Hei",
                      "WenQuanYi Micro Hei"});
    font.setPixelSize(pixelSize);
    return font;
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle("挡墙计算");
    QMenu* tools = window.menuBar()->addMenu("一般工具");
    tools->addAction("挡土墙A类");
    tools->addAction("挡土墙B类");
    tools->addAction("挡墙基础计算");

    auto* area = new QWidget;
    area->setFixedSize(443, 511);
    area->setFont(songFont(12));
    auto* text = new QLabel(
        "　　本程序用来计算挡土墙的断面面积和工程量：输入墙身和基础在两个断面上的尺寸以及两断面间的挡墙长度，"
        "按“计算”就能得到各断面面积、平均面积和墙身、基础、总方量。\n\n"
        "　　请从上面的“一般工具”菜单里选择计算器：挡土墙A类、挡土墙B类或挡墙基础计算。",
        area);
    text->setGeometry(8, 24, 425, 409);
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text->setWordWrap(true);
    text->setFont(songFont(16));
    QPalette palette = text->palette();
    palette.setColor(QPalette::WindowText, palette.color(QPalette::Highlight));
    text->setPalette(palette);
    auto* end = new QPushButton("结束", area);
    end->setGeometry(288, 472, 49, 33);
    QObject::connect(end, &QPushButton::clicked, &application, &QApplication::quit);

    window.setCentralWidget(area);
    window.layout()->setSizeConstraint(QLayout::SetFixedSize);
    window.show();
    return application.exec();
}
