#include "ui/qt/exercises_window.hpp"

#include <QAccessible>
#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <utility>

namespace drobi {
namespace {

QPushButton* Button(const char* title, QWidget* parent) {
  auto* button = new QPushButton(QString::fromUtf8(title), parent);
  // Enter presses the button with the focus, as Space does, though this is no dialog.
  button->setAutoDefault(true);
  return button;
}

QLabel* Line(QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setWordWrap(true);
  label->setTextFormat(Qt::PlainText);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

void Tell(QLabel& label, const std::string& shown, const std::string& spoken, bool announce) {
  const QString name = QString::fromStdString(spoken);
  label.setText(QString::fromStdString(shown));
  if (label.accessibleName() == name) return;
  label.setAccessibleName(name);
  if (!announce) return;
  QAccessibleEvent changed(&label, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&changed);
}

}  // namespace

ExercisesWindow::ExercisesWindow(QWidget* parent, MainForm& form, ErrorEdge& edge,
                                 std::function<void()> show_division)
    : QWidget(parent, Qt::Window),
      form_(form),
      edge_(edge),
      show_division_(std::move(show_division)) {
  const QString title = QString::fromUtf8(kExercisesTitle);
  setWindowTitle(title);
  setAccessibleName(title);
  if (parent != nullptr) setWindowIcon(parent->windowIcon());

  auto* chooser = new QGroupBox(this);
  auto* kinds = new QHBoxLayout(chooser);
  auto* group = new QButtonGroup(this);
  for (const TaskKind kind : kTaskKinds) {
    auto* choice = new QRadioButton(QString::fromUtf8(KindTitle(kind)), chooser);
    kinds_[static_cast<int>(kind)] = choice;
    group->addButton(choice, static_cast<int>(kind));
    kinds->addWidget(choice);
  }
  connect(group, &QButtonGroup::idClicked, this,
          [this](int id) { ChooseKind(kTaskKinds[static_cast<std::size_t>(id)]); });

  question_ = Line(this);
  QFont larger = question_->font();
  larger.setPointSizeF(larger.pointSizeF() * 1.25);
  question_->setFont(larger);
  auto* answer_caption = new QLabel(QString::fromUtf8(kAnswerName), this);
  answer_ = new QLineEdit(this);
  answer_->setAccessibleName(QString::fromUtf8(kAnswerName));
  answer_caption->setBuddy(answer_);
  connect(answer_, &QLineEdit::returnPressed, this, [this] {
    if (exercises_ && exercises_->Answered()) {
      Do([this] { exercises_->Next(); });
    } else {
      Check();
    }
  });
  terminating_ = Button(kTerminatingAnswer, this);
  repeating_ = Button(kRepeatingAnswer, this);
  connect(terminating_, &QPushButton::clicked, this,
          [this] { Do([this] { exercises_->AnswerEnds(true); }); });
  connect(repeating_, &QPushButton::clicked, this,
          [this] { Do([this] { exercises_->AnswerEnds(false); }); });
  check_ = Button(kCheckAnswer, this);
  connect(check_, &QPushButton::clicked, this, &ExercisesWindow::Check);
  verdict_ = Line(this);
  next_ = Button(kNextTask, this);
  skip_ = Button(kSkipTask, this);
  connect(next_, &QPushButton::clicked, this, [this] { Do([this] { exercises_->Next(); }); });
  connect(skip_, &QPushButton::clicked, this, [this] { Do([this] { exercises_->Next(); }); });
  division_ = Button(kShowDivision, this);
  connect(division_, &QPushButton::clicked, this, [this] {
    bool shown = false;
    edge_.Run([this, &shown] { shown = exercises_ && exercises_->ShowDivision(); });
    if (shown && !edge_.Failed()) show_division_();
  });
  restart_ = Button(kRestart, this);
  connect(restart_, &QPushButton::clicked, this, [this] { Do([this] { exercises_->Restart(); }); });
  count_ = Line(this);

  auto* answer_row = new QHBoxLayout;
  answer_row->addWidget(answer_caption);
  answer_row->addWidget(answer_, 1);
  answer_row->addWidget(terminating_);
  answer_row->addWidget(repeating_);
  answer_row->addWidget(check_);
  auto* task_row = new QHBoxLayout;
  for (QPushButton* button : {next_, skip_, division_}) task_row->addWidget(button);
  task_row->addStretch();
  auto* count_row = new QHBoxLayout;
  count_row->addWidget(count_, 1);
  count_row->addWidget(restart_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(chooser);
  layout->addWidget(question_);
  layout->addLayout(answer_row);
  layout->addWidget(verdict_);
  layout->addLayout(task_row);
  layout->addStretch();
  layout->addLayout(count_row);
  setMinimumWidth(fontMetrics().averageCharWidth() * 80);

  edge_.Run([this] { exercises_.emplace(form_); });
  Show(false);
}

template <typename Action>
void ExercisesWindow::Do(Action&& action) {
  if (!exercises_) return;
  const ExercisesMark before = exercises_->Mark();
  edge_.Run(std::forward<Action>(action));
  if (edge_.Failed()) return;
  const ExercisesChange change = exercises_->ChangeSince(before);
  Show(change.announce);
  if (change.focus == AnswerFocus::kNextTask) {
    next_->setFocus(Qt::OtherFocusReason);
  } else if (change.focus == AnswerFocus::kAnswer) {
    FocusAnswer();
  }
}

void ExercisesWindow::Check() {
  const std::string typed = answer_->text().toStdString();
  Do([this, &typed] { exercises_->Answer(typed); });
}

void ExercisesWindow::ChooseKind(TaskKind kind) {
  if (exercises_ && exercises_->Kind() != kind) Do([this, kind] { exercises_->SetKind(kind); });
}

void ExercisesWindow::Show(bool announce) {
  if (!exercises_) return;
  const Exercises& exercises = *exercises_;
  kinds_[static_cast<int>(exercises.Kind())]->setChecked(true);
  const bool typed = exercises.TakesTypedAnswer();
  const bool open = !exercises.Answered() && !exercises.Question().empty();
  Tell(*question_, exercises.Question(), exercises.SpokenQuestion(), announce);
  // The answer's controls tell the task when the focus comes to them.
  const QString spoken_question = QString::fromStdString(exercises.SpokenQuestion());
  for (QWidget* answer : {static_cast<QWidget*>(answer_), static_cast<QWidget*>(terminating_),
                          static_cast<QWidget*>(repeating_)}) {
    answer->setAccessibleDescription(spoken_question);
  }
  // A new task starts with an empty field; an answer not read stays as typed, to be put right.
  if (!exercises.Answered() && exercises.LastVerdict().outcome == Outcome::kNone) answer_->clear();
  answer_->setVisible(typed);
  answer_->setEnabled(open);
  check_->setVisible(typed);
  check_->setEnabled(open);
  terminating_->setVisible(!typed);
  repeating_->setVisible(!typed);
  terminating_->setEnabled(open);
  repeating_->setEnabled(open);
  const Verdict& verdict = exercises.LastVerdict();
  Tell(*verdict_, verdict.shown, verdict.spoken, announce);
  next_->setEnabled(exercises.Answered());
  // Focus on «Следваща задача» reads the verdict with it.
  next_->setAccessibleDescription(QString::fromStdString(verdict.spoken));
  skip_->setEnabled(open);
  division_->setEnabled(exercises.Answered());
  Tell(*count_, exercises.Count(), exercises.SpokenCount(), announce);
}

void ExercisesWindow::FocusAnswer() {
  if (!exercises_) return;
  QWidget* answer = exercises_->TakesTypedAnswer() ? static_cast<QWidget*>(answer_) : terminating_;
  if (answer->isEnabled()) answer->setFocus(Qt::OtherFocusReason);
}

void ExercisesWindow::Open() {
  show();
  raise();
  activateWindow();
  FocusAnswer();
}

void ExercisesWindow::keyPressEvent(QKeyEvent* event) {
  // The keys К and П alone answer a task of ends or repeats, wherever the focus is but a field.
  const QString key = event->text().toUpper();
  if (exercises_ && !exercises_->TakesTypedAnswer() && !exercises_->Answered() &&
      event->modifiers() == Qt::NoModifier &&
      (key == QStringView(u"К") || key == QStringView(u"П"))) {
    const bool terminating = key == QStringView(u"К");
    Do([this, terminating] { exercises_->AnswerEnds(terminating); });
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace drobi
