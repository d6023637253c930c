// FormAbout: the "Info..." form with the logo, product line, credits, links and notice.
#pragma once

#include "ui/button.h"
#include "ui/draw/cell_control.h"
#include "ui/draw/panel_children.h"
#include "ui/font.h"
#include "ui/form.h"
#include "ui/image.h"
#include "ui/label.h"
#include "ui/text_box.h"

#include <memory>
#include <string>

namespace OrvoUtility {

// The opener sets imageId, imageWidth, imageHeight and the four texts, then creates and
// shows the form. Construction disables the owner until the form closes ("OK", Enter, Esc
// or the close box). The two links open the site address and a mail address made from it
// ("http://www." replaced by "info@") as soon as the mouse button goes down on them.
class FormAbout : public Form {
  public:
    explicit FormAbout(Form* ownerForm);
    ~FormAbout() override;

    // Each time the window is shown its client area becomes 600 x 300.
    void OnShow() override;

    // Hooks reached through the form's and its children's callbacks.
    virtual void HandleCreated();                  // builds the children
    virtual bool HandleClose();                    // gives the owner back; always true
    virtual void HandleResize() {}                 // nothing
    virtual bool HandleKeyPress(int ch);           // Enter and Esc press "OK" and are swallowed
    virtual void HandleKeyDown(int) {}             // nothing
    virtual void HandleKeyUp(int) {}               // nothing
    virtual void HandleClick(GUIElement* element); // "OK" closes the form
    virtual void HandleLinkPress(GUIElement* element, int x, int y); // opens the link

    // How a link is handed to the system; its result is not used. Tests put a recorder here.
    bool (*openLink)(const std::string& target);

    Form* ownerForm;                 // not owned
    std::unique_ptr<Font> formFont;  // Arial 14, the form's own font
    std::unique_ptr<Font> titleFont; // Arial 16 bold
    std::unique_ptr<Font> linkFont;  // Arial 16 underlined
    std::unique_ptr<PanelChildren> imagePanel;
    std::unique_ptr<Image> logoView;
    std::unique_ptr<Label> titleLabel;
    std::unique_ptr<Label> creditsLabel;
    std::unique_ptr<CellControl> siteLink;
    std::unique_ptr<CellControl> mailLink;
    std::unique_ptr<TextBox> noticeBox;
    std::unique_ptr<Button> okButton;

    int imageId = 0;    // bitmap resource of the logo
    int imageWidth = 0; // size given to the logo
    int imageHeight = 0;
    std::string titleText;   // product name and version
    std::string creditsText; // one-line credits
    std::string noticeText;  // lines separated by CR LF
    std::string siteAddress; // "http://www." followed by the domain
};

// The mail address shown for a site address: "http://www." becomes "info@"; an address
// without it stays as it is.
std::string MailAddressFor(const std::string& siteAddress);

} // namespace OrvoUtility
