// A spin box for the records' real numbers. It shows a value with as many decimals as
// it needs and no more, so a PT100 factor of -0.0000005775 and a limit of 150 both read
// as the operator knows them, while the box still takes the many decimals such values
// have.
#pragma once

#include <QDoubleSpinBox>

namespace dialogs {

class RealSpinBox : public QDoubleSpinBox {
    Q_OBJECT
  public:
    explicit RealSpinBox(QWidget* parent = nullptr);

    QString textFromValue(double value) const override;
};

}  // namespace dialogs
