// Message boxes, the browser and the home folder, on GTK 3 and GLib.
#include <gtk/gtk.h>

#include <cstdio>
#include <cstdlib>

#include "platform/gtk/gtk_session.h"
#include "platform/messages.h"

bool EnsureGtk() {
    static int state = -1;   // -1 not tried, 0 failed, 1 running
    if (state < 0) state = gtk_init_check(nullptr, nullptr) ? 1 : 0;
    return state == 1;
}

void FlushGtkEvents() {
    while (gtk_events_pending()) gtk_main_iteration_do(FALSE);
}

void ShowMessageBox(const std::string& title, const std::string& text) {
    std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
    std::fflush(stderr);
    if (!EnsureGtk()) return;
    GtkWidget* box = gtk_message_dialog_new(nullptr, GTK_DIALOG_MODAL, GTK_MESSAGE_ERROR, GTK_BUTTONS_OK, "%s",
                                            text.c_str());
    gtk_window_set_title(GTK_WINDOW(box), title.c_str());
    gtk_window_set_position(GTK_WINDOW(box), GTK_WIN_POS_CENTER);
    gtk_dialog_run(GTK_DIALOG(box));
    gtk_widget_destroy(box);
    FlushGtkEvents();
}

bool OpenWebAddress(const std::string& address) {
    GError* error = nullptr;
    gboolean ok = g_app_info_launch_default_for_uri(address.c_str(), nullptr, &error);
    if (error) g_error_free(error);
    return ok;
}

std::string ProfileFolder() {
    const char* home = std::getenv("HOME");
    if (home && *home) return home;
    return std::string();
}
