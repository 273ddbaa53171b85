// The about page: the product's name, version and links. The links open themselves.
#include "app/ProductInfo.h"
#include "app/UnitFormMain.h"
#include "common/UPub_Version.h"

void TFormMain::SetAboutCaptions() {
    TabbedNotebook1.SetPageCaption(kAboutPage, "关于");
    Label35.SetCaption("Kestrane");
    Label37.SetCaption("主页:");
    Label38.SetCaption("邮箱:");
    RzURLLabel1.SetCaption(kHomePage);
    RzURLLabel1.SetUrl(kHomePage);
    LabVer.SetCaption(ApplyVersionTag(LabVer.Caption(), kProductVersion));
}
