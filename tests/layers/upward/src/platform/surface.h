// Qt below the front end.
#include <vector>
#include <QPainter>
