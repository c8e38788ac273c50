#pragma once

class QImage;

// Paints the title strip into the skin: a light-grey band with frayed ends and the four
// buttons that lie under the About, Help, Minimise and Close elements.
void paintTitleStrip(QImage& skin);
