#pragma once
// DiscreteDialog: the binomial and Poisson calculators.
//
// The distribution's fields (n and p, or lambda; object names NEdit, PEdit,
// LambdaEdit), the question (QuestionBox: P(X = k), P(X <= k), P(X >= k),
// P(a <= X <= b), or the smallest k with P(X <= k) >= P) with the fields it
// needs (KEdit; AEdit and BEdit; ProbabilityEdit), the digits shown
// (DigitsBox: the standard form, or 4 to 10 significant) and whether the
// picture overlays the normal approximation (NormalOverlay), over OK and
// Cancel (OkBtn, CancelBtn).
//
// run() is the request loop: on OK the request is read and computed; a
// refusal's messages are shown through the program's prompts and the dialog
// comes back with the field in error selected; an answer is shown in the
// results window with its picture, whose Retry shows the dialog again. The
// dialog opens with the choices of the last answered request.

#include <QDialog>
#include <QList>

#include "core/calculators/discrete.h"

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLineEdit;

class DiscreteDialog : public QDialog
{
    Q_OBJECT
public:
    DiscreteDialog(DiscreteFamily family, QWidget *parent = nullptr);

    void run();

    // The request of the fields as they stand.
    DiscreteResult runRequest() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QLineEdit *addField(const QString &name, const QString &label, const QString &hint);
    void showQuestionFields();
    QList<QLineEdit *> shownFields() const;
    // The question, digits, overlay and every field as the last answered
    // request left them, kept between runs.
    void restoreChoices();
    void storeChoices() const;

    DiscreteFamily m_family;
    QFormLayout *m_form = nullptr;
    QList<QLineEdit *> m_parameters;
    QLineEdit *m_k = nullptr;
    QLineEdit *m_a = nullptr;
    QLineEdit *m_b = nullptr;
    QLineEdit *m_probability = nullptr;
    QComboBox *m_question = nullptr;
    QComboBox *m_digits = nullptr;
    QCheckBox *m_normalOverlay = nullptr;
    bool m_placed = false;
};

// The commands of the Statistics menu and tool bar: one request each on a
// dialog made for it.
void RunBinomialCalculator(QWidget *parent);
void RunPoissonCalculator(QWidget *parent);
