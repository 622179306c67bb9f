#include "app/window_controls.h"

#include <QPalette>
#include <climits>
#include <initializer_list>
#include <vector>

#include "app/design_palette.h"
#include "app/layout_fonts.h"
#include "app/line_frame.h"
#include "platform/twips.h"

namespace worthmere {

namespace {

// A place in design units: left, top, width and height in twips.
struct Twips {
  int left;
  int top;
  int width;
  int height;
};

QRect Pixels(Twips at) {
  return {TwipsToPixels(at.left, kDesignTwipsPerPixel), TwipsToPixels(at.top, kDesignTwipsPerPixel),
          TwipsToPixels(at.width, kDesignTwipsPerPixel),
          TwipsToPixels(at.height, kDesignTwipsPerPixel)};
}

constexpr QRgb kLightGrey = 0xFFE0E0E0;
constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kDarkGrey = 0xFF404040;
constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kNavy = 0xFF000080;
constexpr QRgb kLightGreen = 0xFF80FF80;

constexpr const char* kCredit =
    "Worthmere: a discounted-cash-flow estimator with a pocket calculator, "
    "written by the Worthmere developers.";

void SetColour(QWidget* widget, QPalette::ColorRole role, QRgb colour) {
  QPalette palette = widget->palette();
  palette.setColor(role, QColor::fromRgb(colour));
  widget->setPalette(palette);
}

template <typename Control>
Control* Place(Control* control, const char* name, Twips at, DesignFace face) {
  control->setObjectName(QString::fromLatin1(name));
  control->setGeometry(Pixels(at));
  control->setFont(DesignFont(face));
  return control;
}

// Labels are opaque and top-aligned; they keep their text as their accessible name.
QLabel* AddLabel(QWidget* panel, const char* name, const char* text, Twips at, DesignFace face,
                 Qt::Alignment alignment) {
  auto* label = Place(new QLabel(panel), name, at, face);
  label->setTextFormat(Qt::PlainText);
  label->setText(QString::fromLatin1(text));
  label->setAlignment(alignment | Qt::AlignTop);
  label->setAutoFillBackground(true);
  return label;
}

// Text boxes take any text of any length: no validator, no key filter, no length limit.
QLineEdit* AddTextBox(QWidget* parent, const char* name, const char* text, Twips at,
                      DesignFace face) {
  auto* box = Place(new QLineEdit(parent), name, at, face);
  box->setMaxLength(INT_MAX);
  box->setText(QString::fromLatin1(text));
  return box;
}

// No button is a default button, so Enter in a text box reaches only that box.
QPushButton* AddButton(QWidget* panel, const char* name, const char* caption, Twips at,
                       DesignFace face) {
  auto* button = Place(new QPushButton(QString::fromLatin1(caption), panel), name, at, face);
  button->setAutoDefault(false);
  button->setDefault(false);
  button->setFocusPolicy(Qt::StrongFocus);
  button->setAccessibleName(button->text());
  return button;
}

QPushButton* AddKey(QWidget* panel, const char* name, const char* caption, Twips at) {
  return AddButton(panel, name, caption, at, DesignFace::SystemKeypad);
}

QFrame* AddDecoration(QWidget* panel, const char* name, QFrame::Shape shape, QRect place) {
  auto* frame = new LineFrame(panel);
  frame->setObjectName(QString::fromLatin1(name));
  frame->setFrameShape(shape);
  frame->setFrameShadow(QFrame::Plain);
  frame->setLineWidth(1);
  frame->setGeometry(place);
  frame->setAttribute(Qt::WA_TransparentForMouseEvents);
  return frame;
}

void NameAfterLabel(QLineEdit* box, const QLabel* label) {
  box->setAccessibleName(label->text().simplified());
}

void BuildDecorations(WindowControls& c) {
  // Made first so they lie beneath every control.
  c.Shape1 = AddDecoration(c.picStart, "Shape1", QFrame::Box, Pixels({30, 30, 8535, 5025}));
  const auto pixels = [](int twips) { return TwipsToPixels(twips, kDesignTwipsPerPixel); };
  const QRect line(QPoint(pixels(4920), pixels(30)), QPoint(pixels(4920), pixels(5310)));
  c.Line1 = AddDecoration(c.picStart, "Line1", QFrame::VLine, line);
}

void BuildEstimatorSide(WindowControls& c) {
  QWidget* p = c.picStart;
  using enum DesignFace;
  c.Label3 = AddLabel(p, "Label3", "DCF style is (10-yr growth + 5-yr flat ) ",
                      {870, 270, 3225, 255}, Tahoma, Qt::AlignHCenter);
  c.Label6 = AddLabel(p, "Label6", "FCF Growth Rate ( est./yr )", {450, 690, 2295, 255}, Tahoma,
                      Qt::AlignRight);
  c.txtIntr = AddTextBox(p, "txtIntr", "8", {2880, 630, 675, 315}, Tahoma);
  c.Label4 =
      AddLabel(p, "Label4", "discount rate ", {450, 1050, 2295, 255}, Tahoma, Qt::AlignRight);
  c.txtdiscount = AddTextBox(p, "txtdiscount", "0.0625", {2880, 990, 675, 315}, Tahoma);
  c.Label11 = AddLabel(p, "Label11", "Free Cash Flow ( avg. annual )", {210, 1560, 2535, 255},
                       Tahoma, Qt::AlignRight);
  c.txtPresVal = AddTextBox(p, "txtPresVal", "4,141,000,000", {2850, 1500, 1305, 315}, Tahoma);
  c.Command3 = AddButton(p, "Command3", "", {4200, 1500, 285, 285}, Tahoma);
  c.Label12 = AddLabel(p, "Label12", "Number of Shares Outstanding", {180, 1980, 2535, 255}, Tahoma,
                       Qt::AlignRight);
  c.txtshares = AddTextBox(p, "txtshares", "1,473,000,000", {2850, 1950, 1305, 315}, Tahoma);
  c.Command4 = AddButton(p, "Command4", "", {4200, 1950, 285, 285}, Tahoma);
  c.Command2 = AddButton(p, "Command2", "Help / reset", {480, 2370, 2235, 525}, Tahoma);
  c.Command9 = AddButton(p, "Command9", "Clear", {2850, 2370, 1635, 525}, Tahoma);
  c.Command1 = AddButton(p, "Command1", "Estimate Intrinsic Value per share",
                         {480, 3030, 4005, 735}, TahomaBold);
  c.Label2 = AddLabel(p, "Label2", "Intrinsic Value  per share est.", {300, 4080, 2445, 225},
                      Tahoma, Qt::AlignRight);
  c.IV = AddTextBox(p, "IV", "0.0", {2880, 4020, 1245, 315}, TahomaBold);

  SetColour(c.Label3, QPalette::WindowText, kDarkGrey);
  for (QLabel* red : {c.Label6, c.Label4}) SetColour(red, QPalette::WindowText, kRed);
  for (QLineEdit* grey : {c.txtIntr, c.txtdiscount, c.IV})
    SetColour(grey, QPalette::Base, kLightGrey);
  SetColour(c.IV, QPalette::Text, kBlack);

  NameAfterLabel(c.txtIntr, c.Label6);
  NameAfterLabel(c.txtdiscount, c.Label4);
  NameAfterLabel(c.txtPresVal, c.Label11);
  NameAfterLabel(c.txtshares, c.Label12);
  NameAfterLabel(c.IV, c.Label2);
  c.Command3->setAccessibleName(QStringLiteral("Open the cash-flow page"));
  c.Command4->setAccessibleName(QStringLiteral("Open the ratios page"));
}

void BuildCalculatorSide(WindowControls& c) {
  QWidget* p = c.picStart;
  c.Readout = AddLabel(p, "Readout", "0.", {5250, 570, 2970, 345}, DesignFace::ArialDisplay,
                       Qt::AlignRight);
  c.Readout->setFrameStyle(QFrame::Box | QFrame::Plain);
  c.Readout->setLineWidth(1);
  SetColour(c.Readout, QPalette::Window, kNavy);
  SetColour(c.Readout, QPalette::WindowText, kLightGreen);
  c.Readout->setAccessibleDescription(QStringLiteral("Display"));

  // Keypad columns and rows in twips; the digits 1 to 9 fill the first three columns bottom-up.
  constexpr int kColumn[] = {5250, 5850, 6450, 7140, 7740};
  constexpr int kRow[] = {1035, 1635, 2235, 2835};
  constexpr int kKey = 480;
  static constexpr const char* kDigitNames[] = {"Number_0", "Number_1", "Number_2", "Number_3",
                                                "Number_4", "Number_5", "Number_6", "Number_7",
                                                "Number_8", "Number_9"};
  static constexpr const char* kDigits[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
  for (int digit = 1; digit <= 9; ++digit) {
    const Twips at{kColumn[(digit - 1) % 3], kRow[2 - (digit - 1) / 3], kKey, kKey};
    c.Number[digit] = AddKey(p, kDigitNames[digit], kDigits[digit], at);
  }
  c.Number[0] = AddKey(p, kDigitNames[0], kDigits[0], {kColumn[0], kRow[3], 1080, kKey});
  c.Cancel = AddKey(p, "Cancel", "C", {kColumn[3], kRow[0], kKey, kKey});
  c.CancelEntry = AddKey(p, "CancelEntry", "CE", {kColumn[4], kRow[0], kKey, kKey});
  c.Operator[1] = AddKey(p, "Operator_1", "+", {kColumn[3], kRow[1], kKey, kKey});
  c.Operator[3] = AddKey(p, "Operator_3", "-", {kColumn[4], kRow[1], kKey, kKey});
  c.Operator[2] = AddKey(p, "Operator_2", "X", {kColumn[3], kRow[2], kKey, kKey});
  c.Operator[0] = AddKey(p, "Operator_0", "/", {kColumn[4], kRow[2], kKey, kKey});
  c.Decimal = AddKey(p, "Decimal", ".", {kColumn[2], kRow[3], kKey, kKey});
  c.Operator[4] = AddKey(p, "Operator_4", "=", {kColumn[3], kRow[3], kKey, kKey});
  c.Percent = AddKey(p, "Percent", "%", {kColumn[4], kRow[3], kKey, kKey});

  c.Label1 = AddLabel(p, "Label1", kCredit, {5160, 3690, 3225, 1065}, DesignFace::TahomaCredit,
                      Qt::AlignLeft);
  c.Label1->setWordWrap(true);
}

void BuildWorkingBoxes(QWidget& window, WindowControls& c) {
  static constexpr const char* kNames[] = {"Text1",  "Text2",  "Text3",  "Text4",  "Text5",
                                           "Text6",  "Text7",  "Text8",  "Text9",  "Text10",
                                           "Text11", "Text12", "Text13", "Text14", "Text15"};
  for (int i = 0; i < 15; ++i) {
    c.Text[i] = AddTextBox(&window, kNames[i], "Text1", {9060, 420 + 360 * i, 1515, 360},
                           DesignFace::SystemKeypad);
    c.Text[i]->setAccessibleName(QStringLiteral("Working box %1").arg(i + 1));
  }
}

// Tab follows the design order; the panel and the labels hold places in it without taking focus.
void SetFocusOrder(const WindowControls& c) {
  std::vector<QWidget*> order = {c.Command9, c.IV, c.txtshares, c.txtPresVal, c.txtIntr};
  for (int digit : {7, 8, 9}) order.push_back(c.Number[digit]);
  order.insert(order.end(), {c.Cancel, c.CancelEntry});
  for (int digit : {4, 5, 6}) order.push_back(c.Number[digit]);
  order.insert(order.end(), {c.Operator[1], c.Operator[3]});
  for (int digit : {1, 2, 3}) order.push_back(c.Number[digit]);
  order.insert(order.end(),
               {c.Operator[2], c.Operator[0], c.Number[0], c.Decimal, c.Operator[4], c.Percent});
  for (int i = 0; i < 10; ++i) order.push_back(c.Text[i]);
  order.push_back(c.Command1);
  for (int i = 10; i < 15; ++i) order.push_back(c.Text[i]);
  order.insert(order.end(), {c.Command2, c.txtdiscount, c.Command3, c.Command4});
  for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

}  // namespace

WindowControls BuildWindowControls(QWidget& window) {
  window.setFont(DesignFont(DesignFace::SystemKeypad));
  window.setPalette(DesignPalette());
  WindowControls c;
  c.picStart = new QWidget(&window);
  c.picStart->setObjectName(QStringLiteral("picStart"));
  c.picStart->setGeometry(Pixels({-30, 0, 8835, 5775}));
  c.picStart->setFont(DesignFont(DesignFace::Tahoma));
  c.picStart->setFocusPolicy(Qt::NoFocus);
  c.picStart->setAutoFillBackground(true);
  SetColour(c.picStart, QPalette::Window, c.picStart->palette().color(QPalette::Button).rgba());

  BuildDecorations(c);
  BuildEstimatorSide(c);
  BuildCalculatorSide(c);
  BuildWorkingBoxes(window, c);
  SetFocusOrder(c);
  return c;
}

}  // namespace worthmere
