// The Quillbrook Learning emblem (an open book with a quill on a round badge), shared by the
// options window's banner and the publisher logo.
#pragma once
#include <cairo.h>

void DrawEmblem(cairo_t* cr, double cx, double cy, double r);
// The open book and quill alone, without the badge, in a box of radius r.
void DrawBookAndQuill(cairo_t* cr, double cx, double cy, double r);
