#include "colourprofile.h"

#include <QColorSpace>

namespace velmira::picture {

QByteArray iccModelOf(const QByteArray& icc) {
    return icc.size() >= 20 ? icc.mid(16, 4) : QByteArray();
}

bool profileFits(const QByteArray& iccModel, bool greyPicture) {
    if (iccModel.isEmpty())
        return true;
    return greyPicture ? iccModel == "GRAY" : iccModel == "RGB ";
}

void convertToSrgb(QImage& image) {
    const bool grey =
        image.format() == QImage::Format_Grayscale8 || image.format() == QImage::Format_Grayscale16;
    if (!profileFits(iccModelOf(image.colorSpace().iccProfile()), grey))
        image.setColorSpace(QColorSpace());
    if (image.colorSpace().isValid() && image.colorSpace() != QColorSpace(QColorSpace::SRgb))
        image.convertToColorSpace(QColorSpace::SRgb);
}

}  // namespace velmira::picture
