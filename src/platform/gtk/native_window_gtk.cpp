// The options window on GTK 3: a fixed layout that puts every control at its own place,
// styled to stay inside the small boxes the window was designed with.
#include <gtk/gtk.h>

#include <algorithm>
#include <cstdio>
#include <deque>
#include <vector>

#include "platform/gtk/gtk_session.h"
#include "platform/native_window.h"
#include "platform/pictures.h"

namespace {
struct Control {
    NativeControlKind kind = NativePicture;
    GtkWidget* outer = nullptr;   // the widget placed in the layout
    GtkWidget* inner = nullptr;   // the widget that holds the text (label or entry) or the picture
    int width = 0, height = 0;
    NativeFont font;
};

GtkWidget* Window = nullptr;
GtkWidget* Layout = nullptr;
GtkWidget* FirstOption = nullptr;   // every option button joins this one's group
std::vector<Control> Controls;
std::deque<int> Events;
int Quiet = 0;   // above 0 while the game itself changes controls: those are not the user's clicks
bool Closing = false;

// The window's boxes were measured for a narrow 8-point GUI font: "Let the student enter
// their own name" must fit 180 pixels beside its tick box. Liberation Sans has the letter
// widths of that font family and fits at 11 pixels; DejaVu Sans, the usual Linux default,
// does not fit at any readable size. Pixels, not points, keep text and boxes in step on any
// screen resolution. Default GTK themes also pad buttons and fields for touch-sized rows,
// too tall for 20-pixel boxes, so the padding is trimmed.
const char* const WindowStyle = R"(
.qb-options { font-family: "Liberation Sans", Arimo, Arial, sans-serif; font-size: 11px; }
.qb-options button { min-height: 0; min-width: 0; padding: 0 4px; }
.qb-options entry { min-height: 0; min-width: 0; padding: 0 4px; }
.qb-options checkbutton, .qb-options radiobutton { min-height: 0; padding: 0; }
.qb-options checkbutton check, .qb-options radiobutton radio { margin: 0 4px 0 0; }
.qb-options frame.qb-sunken > border {
    border-style: solid; border-width: 1px; border-radius: 0;
    border-color: #8d8a86 #ffffff #ffffff #8d8a86;
}
)";

// Windows-1252 bytes 0x80..0x9F; the five unused ones stand for themselves.
const gunichar HighCodes[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::string ToUtf8(const std::string& text) {
    std::string out;
    for (char ch : text) {
        unsigned char b = static_cast<unsigned char>(ch);
        gunichar code = (b >= 0x80 && b < 0xA0) ? HighCodes[b - 0x80] : b;
        char buffer[8];
        out.append(buffer, static_cast<std::size_t>(g_unichar_to_utf8(code, buffer)));
    }
    return out;
}

// Characters the game's code page lacks become "?".
std::string FromUtf8(const char* text) {
    std::string out;
    if (!text || !g_utf8_validate(text, -1, nullptr)) return out;
    for (const char* p = text; *p; p = g_utf8_next_char(p)) {
        gunichar code = g_utf8_get_char(p);
        char byte = '?';
        if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) {
            byte = static_cast<char>(code);
        } else {
            const gunichar* found = std::find(std::begin(HighCodes), std::end(HighCodes), code);
            if (found != std::end(HighCodes)) byte = static_cast<char>(0x80 + (found - HighCodes));
        }
        out += byte;
    }
    return out;
}

Control* Find(int control) {
    if (!Window || control < 0 || control >= static_cast<int>(Controls.size())) return nullptr;
    return &Controls[static_cast<std::size_t>(control)];
}

void OnClicked(GtkWidget* widget, gpointer number) {
    if (Quiet > 0) return;
    // Selecting one option button also "clicks" the one it deselects; only the new choice counts.
    if (GTK_IS_RADIO_BUTTON(widget) && !gtk_toggle_button_get_active(GTK_TOGGLE_BUTTON(widget))) return;
    Events.push_back(GPOINTER_TO_INT(number));
}

gboolean OnCloseBox(GtkWidget*, GdkEvent*, gpointer) {
    Events.push_back(NativeCloseEvent);
    return TRUE;   // the window stays until the game has read its controls
}

void OnDestroyed(GtkWidget*, gpointer) {
    if (Closing) return;
    Window = Layout = FirstOption = nullptr;
    Controls.clear();
    Events.push_back(NativeCloseEvent);
}

// Tab and Shift+Tab follow the controls' numbers rather than GTK's reading order.
gboolean OnLayoutFocus(GtkWidget*, GtkDirectionType direction, gpointer) {
    if (direction != GTK_DIR_TAB_FORWARD && direction != GTK_DIR_TAB_BACKWARD) return FALSE;
    int count = static_cast<int>(Controls.size());
    int current = -1;
    GtkWidget* focus = gtk_window_get_focus(GTK_WINDOW(Window));
    for (int i = 0; focus && i < count; ++i) {
        GtkWidget* outer = Controls[static_cast<std::size_t>(i)].outer;
        if (focus == outer || gtk_widget_is_ancestor(focus, outer)) current = i;
    }
    int step = direction == GTK_DIR_TAB_FORWARD ? 1 : -1;
    int start = current >= 0 ? current + step : (step > 0 ? 0 : count - 1);
    for (int i = start; i >= 0 && i < count; i += step)
        if (gtk_widget_child_focus(Controls[static_cast<std::size_t>(i)].outer, direction)) return TRUE;
    return FALSE;   // off the end: the window wraps round to the first control
}

void ApplyFont(const Control& c) {
    PangoAttrList* list = pango_attr_list_new();
    pango_attr_list_insert(list, pango_attr_weight_new(static_cast<PangoWeight>(c.font.weight)));
    pango_attr_list_insert(list, pango_attr_style_new(c.font.italic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL));
    pango_attr_list_insert(list,
                           pango_attr_underline_new(c.font.underline ? PANGO_UNDERLINE_SINGLE : PANGO_UNDERLINE_NONE));
    pango_attr_list_insert(list, pango_attr_strikethrough_new(c.font.strikeOut));
    if (GTK_IS_LABEL(c.inner)) gtk_label_set_attributes(GTK_LABEL(c.inner), list);
    if (GTK_IS_ENTRY(c.inner)) gtk_entry_set_attributes(GTK_ENTRY(c.inner), list);
    pango_attr_list_unref(list);
}

void InstallStyle() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    GtkCssProvider* provider = gtk_css_provider_new();
    gtk_css_provider_load_from_data(provider, WindowStyle, -1, nullptr);
    gtk_style_context_add_provider_for_screen(gdk_screen_get_default(), GTK_STYLE_PROVIDER(provider),
                                              GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
    g_object_unref(provider);
}
}  // namespace

bool OpenNativeWindow(const std::string& caption, int clientWidth, int clientHeight) {
    CloseNativeWindow();
    if (!EnsureGtk()) {
        // Someone who started the game from a terminal without a desktop learns why nothing opens.
        std::fprintf(stderr, "Quillbrook Rizizer: no display to open the options window on.\n");
        return false;
    }
    InstallStyle();
    Window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    gtk_style_context_add_class(gtk_widget_get_style_context(Window), "qb-options");
    gtk_window_set_title(GTK_WINDOW(Window), ToUtf8(caption).c_str());
    gtk_window_set_resizable(GTK_WINDOW(Window), FALSE);
    gtk_window_set_type_hint(GTK_WINDOW(Window), GDK_WINDOW_TYPE_HINT_DIALOG);
    gtk_window_set_position(GTK_WINDOW(Window), GTK_WIN_POS_CENTER);
    Layout = gtk_fixed_new();
    gtk_widget_set_size_request(Layout, clientWidth, clientHeight);
    gtk_container_add(GTK_CONTAINER(Window), Layout);
    g_signal_connect(Window, "delete-event", G_CALLBACK(OnCloseBox), nullptr);
    g_signal_connect(Window, "destroy", G_CALLBACK(OnDestroyed), nullptr);
    g_signal_connect(Layout, "focus", G_CALLBACK(OnLayoutFocus), nullptr);
    return true;
}

bool NativeWindowIsOpen() { return Window != nullptr; }

int AddNativeControl(NativeControlKind kind, int x, int y, int width, int height, const std::string& text) {
    if (!Window) return -1;
    int number = static_cast<int>(Controls.size());
    Control c;
    c.kind = kind;
    c.width = width;
    c.height = height;
    std::string label = ToUtf8(text);
    bool clickable = false;
    switch (kind) {
    case NativePicture:
        // Shown at its own size from the top-left corner; SetNativeControlPicture clips it.
        c.outer = c.inner = gtk_image_new();
        break;
    case NativeGroupFrame:
        c.outer = gtk_frame_new(label.c_str());
        gtk_frame_set_shadow_type(GTK_FRAME(c.outer), GTK_SHADOW_ETCHED_IN);
        c.inner = gtk_frame_get_label_widget(GTK_FRAME(c.outer));
        break;
    case NativeOptionButton:
        c.outer = FirstOption ? gtk_radio_button_new_with_label_from_widget(GTK_RADIO_BUTTON(FirstOption), label.c_str())
                              : gtk_radio_button_new_with_label(nullptr, label.c_str());
        if (!FirstOption) FirstOption = c.outer;
        c.inner = gtk_bin_get_child(GTK_BIN(c.outer));
        clickable = true;
        break;
    case NativeCheckBox:
        c.outer = gtk_check_button_new_with_label(label.c_str());
        c.inner = gtk_bin_get_child(GTK_BIN(c.outer));
        clickable = true;
        break;
    case NativeSunkenLabel:
        c.outer = gtk_frame_new(nullptr);
        gtk_frame_set_shadow_type(GTK_FRAME(c.outer), GTK_SHADOW_IN);
        gtk_style_context_add_class(gtk_widget_get_style_context(c.outer), "qb-sunken");
        c.inner = gtk_label_new(label.c_str());
        gtk_label_set_xalign(GTK_LABEL(c.inner), 0.0f);
        gtk_widget_set_margin_start(c.inner, 3);
        gtk_container_add(GTK_CONTAINER(c.outer), c.inner);
        break;
    case NativeTextField:
        c.outer = c.inner = gtk_entry_new();
        gtk_entry_set_width_chars(GTK_ENTRY(c.inner), 1);   // the box's width decides, not the font
        gtk_entry_set_text(GTK_ENTRY(c.inner), label.c_str());
        break;
    case NativePushButton:
        c.outer = gtk_button_new_with_label(label.c_str());
        c.inner = gtk_bin_get_child(GTK_BIN(c.outer));
        clickable = true;
        break;
    }
    if (kind != NativePicture) gtk_widget_set_size_request(c.outer, width, height);
    if (clickable) g_signal_connect(c.outer, "clicked", G_CALLBACK(OnClicked), GINT_TO_POINTER(number));
    gtk_fixed_put(GTK_FIXED(Layout), c.outer, x, y);
    Controls.push_back(c);
    return number;
}

void SetNativeControlState(int control, int state) {
    Control* c = Find(control);
    if (!c || !GTK_IS_TOGGLE_BUTTON(c->outer)) return;
    ++Quiet;
    gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(c->outer), state != 0);
    --Quiet;
}

int NativeControlState(int control) {
    Control* c = Find(control);
    if (!c || !GTK_IS_TOGGLE_BUTTON(c->outer)) return 0;
    return gtk_toggle_button_get_active(GTK_TOGGLE_BUTTON(c->outer)) ? 1 : 0;
}

void SetNativeControlText(int control, const std::string& text) {
    Control* c = Find(control);
    if (!c) return;
    std::string utf8 = ToUtf8(text);
    if (GTK_IS_ENTRY(c->inner)) gtk_entry_set_text(GTK_ENTRY(c->inner), utf8.c_str());
    if (GTK_IS_LABEL(c->inner)) gtk_label_set_text(GTK_LABEL(c->inner), utf8.c_str());
}

std::string NativeControlText(int control) {
    Control* c = Find(control);
    if (!c) return std::string();
    if (GTK_IS_ENTRY(c->inner)) return FromUtf8(gtk_entry_get_text(GTK_ENTRY(c->inner)));
    if (GTK_IS_LABEL(c->inner)) return FromUtf8(gtk_label_get_text(GTK_LABEL(c->inner)));
    return std::string();
}

void EnableNativeControl(int control, bool enabled) {
    if (Control* c = Find(control)) gtk_widget_set_sensitive(c->outer, enabled);
}

void SetNativeToolTip(int control, const std::string& tip) {
    if (Control* c = Find(control)) gtk_widget_set_tooltip_text(c->outer, ToUtf8(tip).c_str());
}

NativeFont NativeControlFont(int control) {
    Control* c = Find(control);
    return c ? c->font : NativeFont();
}

void SetNativeControlFont(int control, const NativeFont& font) {
    Control* c = Find(control);
    if (!c) return;
    c->font = font;
    ApplyFont(*c);
}

void SetNativeControlPicture(int control, const Image& picture) {
    Control* c = Find(control);
    if (!c || !GTK_IS_IMAGE(c->inner)) return;
    std::size_t expected = static_cast<std::size_t>(std::max(picture.width, 0)) *
                           static_cast<std::size_t>(std::max(picture.height, 0)) * 4;
    if (picture.width <= 0 || picture.height <= 0 || picture.rgba.size() != expected) {
        gtk_image_clear(GTK_IMAGE(c->inner));
        return;
    }
    GBytes* bytes = g_bytes_new(picture.rgba.data(), picture.rgba.size());
    GdkPixbuf* whole = gdk_pixbuf_new_from_bytes(bytes, GDK_COLORSPACE_RGB, TRUE, 8, picture.width,
                                                 picture.height, picture.width * 4);
    g_bytes_unref(bytes);
    GdkPixbuf* shown = gdk_pixbuf_new_subpixbuf(whole, 0, 0, std::min(picture.width, c->width),
                                                std::min(picture.height, c->height));
    gtk_image_set_from_pixbuf(GTK_IMAGE(c->inner), shown);
    g_object_unref(shown);
    g_object_unref(whole);
}

int WaitNativeEvent() {
    if (!Window) return NativeCloseEvent;
    if (!gtk_widget_get_visible(Window)) {
        gtk_widget_show_all(Window);
        gtk_window_present(GTK_WINDOW(Window));
    }
    while (Events.empty() && Window) gtk_main_iteration();
    if (Events.empty()) return NativeCloseEvent;
    int event = Events.front();
    Events.pop_front();
    return event;
}

void CloseNativeWindow() {
    if (Window) {
        Closing = true;
        gtk_widget_destroy(Window);
        Closing = false;
        FlushGtkEvents();
    }
    Window = Layout = FirstOption = nullptr;
    Controls.clear();
    Events.clear();
}

std::string LocalFileAddress(const std::string& path) {
    if (!g_file_test(path.c_str(), G_FILE_TEST_IS_REGULAR)) return std::string();
    gchar* folder = g_get_current_dir();
    gchar* full = g_canonicalize_filename(path.c_str(), folder);
    gchar* uri = g_filename_to_uri(full, nullptr, nullptr);
    std::string address = uri ? uri : "";
    g_free(uri);
    g_free(full);
    g_free(folder);
    return address;
}
