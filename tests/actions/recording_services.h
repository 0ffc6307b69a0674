#pragma once
// Menu services and a window host that write down what the actions asked of them.

#include <string>
#include <vector>

#include "window/menu_form.h"

// Every menu service in one object, each writing one line per call into log.
class TRecordingServices : public TShell,
                           public TDialogs,
                           public TWindowPictures,
                           public TSounds,
                           public TWindowShowing,
                           public TDelegatedActions,
                           public TDiagnostics {
 public:
  std::vector<std::string> log;
  int shellResult = kShellSuccess;
  std::vector<bool> inputAnswers;       // one per InputQuery: confirm or cancel
  std::vector<std::string> inputTexts;  // what the user types at each confirmed query
  std::vector<std::string> inputInitial;

  void ShellExecute(const TShellRequest& r, std::function<void(int)> done) override {
    log.push_back("shell " + r.verb + "|" + r.file + "|" + r.parameters + "|" + r.directory + "|" +
                  std::to_string(static_cast<int>(r.show)));
    done(shellResult);
  }
  void RunAndWait(const std::string& file, const std::string& parameters, bool maximised, bool wait) override {
    log.push_back("runAndWait " + file + "|" + parameters + "|" + (maximised ? "max" : "normal") + "|" +
                  (wait ? "wait" : "nowait"));
  }
  void EjectMediumOf(const std::string& folder) override { log.push_back("eject " + folder); }
  void ShowMessageWindow(TKIVForm&, const std::string& text) override { log.push_back("message " + text); }
  void ShowMessageBox(const std::string& title, const std::string& text, TMessageBoxIcon icon) override {
    log.push_back("box " + title + "|" + text + "|" + (icon == TMessageBoxIcon::Warning ? "warning" : "information"));
  }
  bool InputQuery(const std::string& title, const std::string& prompt, std::string& text, bool masked) override {
    log.push_back("input " + title + "|" + prompt + "|" + (masked ? "masked" : "plain"));
    inputInitial.push_back(text);
    const size_t i = inputInitial.size() - 1;
    if (i >= inputAnswers.size() || !inputAnswers[i]) return false;
    text = inputTexts.at(i);
    return true;
  }
  void HideMenuWindow() override { log.push_back("hide"); }
  void ShowMenuWindow() override { log.push_back("show"); }
  void CopyWindowToClipboard(bool clientOnly) override { log.push_back(std::string("copy ") + (clientOnly ? "client" : "window")); }
  void PrintWindowPicture(bool clientOnly) override { log.push_back(std::string("print ") + (clientOnly ? "client" : "window")); }
  void PlaySound(const TWaveData& sound, bool wait) override {
    log.push_back(std::string("sound ") + std::string(sound.Bytes().begin(), sound.Bytes().end()) + (wait ? " wait" : ""));
  }
  void ControlBGMusic(TKIVBGMusicControl control) override {
    log.push_back("music " + std::to_string(static_cast<int>(control)));
  }
  void ReportPaintError(const std::string& text) override { log.push_back("paint error " + text); }
  void ShowPicture(TControl& c) override { log.push_back("picture " + c.Name()); }
  void RunSlideShow(TControl& c) override { log.push_back("slideshow " + c.Name()); }
  void RunControlCommand(TControl& c) override { log.push_back("command " + c.Name()); }

  // All of them, to bind into a menu's context.
  TMenuServices All() { return {this, this, this, this, this, this, this}; }
};

// A host that counts what the dispatcher asks of the window itself.
class TCountingHost : public TNullWindowHost {
 public:
  std::vector<std::string>* log = nullptr;
  void MinimizeApplication() override { log->push_back("minimize"); }
  void Close() override { log->push_back("close"); }
};

// A menu window bound to recording services and host.
struct TRecordingMenu {
  TKIVForm window;
  TRecordingServices services;
  TCountingHost host;
  TServicesBinding binding{window.Context(), services.All()};
  TRecordingMenu() {
    host.log = &services.log;
    window.SetHost(&host);
  }
  ~TRecordingMenu() { window.SetHost(nullptr); }
};
