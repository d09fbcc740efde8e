// The site as the internet sees it: texts from logs and forms escaped, no
// client's file name used, sizes and rates limited, the committee's pages
// closed without a login and its forms without their token, private links
// that only open their own page, and the headers on every answer.

#include <gtest/gtest.h>
#include <zlib.h>

#include "tests/logrobot/running_site.h"

namespace logrobot {
namespace {

using stats::testing::ReadFileBytes;

const std::string kScript = "<script>alert(1)</script>";
const std::string kEscapedScript = "&lt;script&gt;alert(1)&lt;/script&gt;";

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

TEST(Site, ScriptsInTheCallTheSoapboxAndTheLogAreShownAsText) {
  RunningSite site;
  const auto refused = site.Upload(CabrilloLog("R3KV", "SOAB-CW-LP", {}), kScript);
  ASSERT_TRUE(refused);
  EXPECT_EQ(refused->status, 422);
  EXPECT_TRUE(Contains(refused->body, "value=\"" + kEscapedScript + "\""));  // typed, kept

  const auto received = site.Upload(CabrilloLog("R3KV", kScript, {}, kScript), "", kScript);
  ASSERT_TRUE(received);
  EXPECT_EQ(received->status, 422) << "a category of no contest";
  EXPECT_TRUE(Contains(received->body, "(&quot;" + kEscapedScript + "&quot;)"));

  httplib::MultipartFormDataItems items = {{"log", CabrilloLog("R3KV", kScript, {}), "log.cbr", ""},
                                           {"category", "SOAB-CW-LP", "", ""},
                                           {"email", "op@example.org", "", ""},
                                           {"soapbox", kScript, "", ""}};
  const auto answer = site.Client().Post("/en/upload", items);
  ASSERT_EQ(answer->status, 200) << answer->body;
  EXPECT_TRUE(Contains(answer->body, kEscapedScript));
  for (const std::string& page : {answer->body, site.Client().Get("/en/received")->body}) {
    EXPECT_FALSE(Contains(page, "<script")) << page;
  }
}

TEST(Site, AClientsFileNameNeverBecomesAPath) {
  RunningSite site;
  const std::string log = CabrilloLog("R3KV", "SOAB-CW-LP", {});
  for (const char* name : {"../../escaped.cbr", "/tmp/escaped.cbr", "..", "logs/../../x"}) {
    const auto answer = site.Upload(log, "", "", name);
    ASSERT_EQ(answer->status, 200) << name;
  }
  for (const auto& entry : std::filesystem::recursive_directory_iterator(site.Folder())) {
    EXPECT_FALSE(Contains(entry.path().filename().string(), "escaped")) << entry.path();
    EXPECT_NE(entry.path().filename(), "x");
  }
  EXPECT_FALSE(std::filesystem::exists(site.Folder().parent_path() / "escaped.cbr"));
  EXPECT_FALSE(std::filesystem::exists("/tmp/escaped.cbr"));
}

TEST(Site, OversizedUploadsAreRefusedAndNothingIsStored) {
  RunningSite site;
  const std::string log = CabrilloLog("R3KV", "SOAB-CW-LP", {});
  const auto tooLargeLog = site.Upload(log + std::string(kMaxLogBytes, ' '));
  ASSERT_TRUE(tooLargeLog);
  EXPECT_EQ(tooLargeLog->status, 413);
  const auto tooLargeRequest = site.Upload(log + std::string(kMaxRequestBytes, ' '));
  EXPECT_TRUE(!tooLargeRequest || tooLargeRequest->status == 413);  // may be cut off instead
  EXPECT_TRUE(site.TheStore().Uploads().empty());
}

TEST(Site, UploadsFromOneAddressAreLimitedPerMinute) {
  SiteSettings settings;
  settings.uploadsPerMinute = 3;
  RunningSite site(settings);
  const std::string log = CabrilloLog("R3KV", "SOAB-CW-LP", {});
  for (int i = 0; i < 3; ++i) EXPECT_EQ(site.Upload(log)->status, 200);
  EXPECT_EQ(site.Upload(log)->status, 429);
  site.now += 61;
  EXPECT_EQ(site.Upload(log)->status, 200);
  EXPECT_EQ(site.TheStore().Uploads().size(), 4u);
}

TEST(Site, APrivateLinkOpensOnlyItsOwnPage) {
  RunningSite site;
  const auto first = site.Upload(CabrilloLog("R3KV", "SOAB-CW-LP", {}));
  const auto second = site.Upload(CabrilloLog("UA3A", "SOAB-CW-LP", {}));
  const auto link = [](const std::string& page) {
    const std::size_t at = page.find("/en/p/");
    return page.substr(at, page.find('"', at) - at);
  };
  const auto own = site.Client().Get(link(first->body));
  ASSERT_EQ(own->status, 200);
  EXPECT_TRUE(Contains(own->body, "R3KV"));
  EXPECT_FALSE(Contains(own->body, "UA3A"));
  EXPECT_NE(link(first->body), link(second->body));
  std::string guessed = link(first->body);
  guessed.back() = guessed.back() == 'A' ? 'B' : 'A';
  EXPECT_EQ(site.Client().Get(guessed)->status, 404);
  EXPECT_EQ(site.Client().Get("/en/p/short")->status, 404);
}

TEST(Site, TheCommitteesPagesNeedALogin) {
  RunningSite site;
  site.Upload(CabrilloLog("R3KV", "SOAB-CW-LP", {}));
  for (const char* path : {"/en/committee", "/ru/committee/logs/1", "/committee/logs.zip",
                           "/en/committee/checks/1/results"}) {
    const auto answer = site.Client().Get(path);
    EXPECT_EQ(answer->status, 303) << path;
    EXPECT_TRUE(Contains(answer->get_header_value("Location"), "/committee/login")) << path;
  }
  const auto forged = site.Client().Get("/en/committee", {{"Cookie", "session=" + RandomToken()}});
  EXPECT_EQ(forged->status, 303);
}

TEST(Site, WrongPasswordsAreRefusedAndSlowedDown) {
  RunningSite site;
  const auto login = [&](const std::string& password) {
    return site.Client().Post("/en/committee/login", "password=" + password,
                              "application/x-www-form-urlencoded");
  };
  EXPECT_EQ(login("wrong")->status, 403);
  const auto waiting = login("correct+horse+battery");
  EXPECT_EQ(waiting->status, 429) << "even the right one waits";
  site.now += 1;
  EXPECT_EQ(login("wrong")->status, 403);
  site.now += 1;
  EXPECT_EQ(login("correct+horse+battery")->status, 429) << "2 s after the second";
  site.now += 1;
  const auto right = login("correct+horse+battery");
  EXPECT_EQ(right->status, 303);
  const std::string cookie = right->get_header_value("Set-Cookie");
  for (const char* part : {"HttpOnly", "SameSite=Strict", "Path=/"}) {
    EXPECT_TRUE(Contains(cookie, part)) << cookie;
  }
  EXPECT_FALSE(Contains(cookie, "Secure")) << "not behind HTTPS";
}

TEST(Site, BehindAnHttpsProxyTheCookieIsSecureAndTheAddressForwarded) {
  SiteSettings settings;
  settings.behindHttpsProxy = true;
  settings.uploadsPerMinute = 1;
  RunningSite site(settings);
  const auto right = site.Client().Post("/en/committee/login", "password=correct+horse+battery",
                                        "application/x-www-form-urlencoded");
  EXPECT_TRUE(Contains(right->get_header_value("Set-Cookie"), "; Secure"));
  const httplib::MultipartFormDataItems items = {
      {"log", CabrilloLog("R3KV", "SOAB-CW-LP", {}), "log.cbr", ""},
      {"email", "op@example.org", "", ""}};
  for (const char* address : {"198.51.100.7", "203.0.113.9"}) {
    const auto answer = site.Client().Post(
        "/en/upload", {{"X-Forwarded-For", std::string("10.0.0.1, ") + address}}, items);
    EXPECT_EQ(answer->status, 200) << "each address has its own limit";
    EXPECT_TRUE(Contains(answer->body, "https://127.0.0.1:")) << "the link to keep";
  }
}

TEST(Site, FormsThatChangeSomethingNeedTheSessionsToken) {
  RunningSite site;
  const auto [session, csrf] = site.LogIn();
  ASSERT_EQ(csrf.size(), 43u);
  const auto post = [&, session = session](const std::string& path, const std::string& body) {
    return site.Client().Post(path, {{"Cookie", session}}, body,
                              "application/x-www-form-urlencoded");
  };
  EXPECT_EQ(post("/en/committee/check", "window=3")->status, 403);
  EXPECT_EQ(post("/en/committee/check", "window=3&csrf=" + RandomToken())->status, 403);
  EXPECT_EQ(post("/en/committee/logout", "")->status, 403);
  EXPECT_TRUE(site.TheStore().Checks().empty());
  EXPECT_EQ(post("/en/committee/check", "window=x&csrf=" + csrf)->status, 400);
  EXPECT_EQ(post("/en/committee/logout", "csrf=" + csrf)->status, 303);
  EXPECT_EQ(site.Client().Get("/en/committee", {{"Cookie", session}})->status, 303);
}

TEST(Site, EveryAnswerCarriesTheSecurityHeaders) {
  RunningSite site;
  const auto upload = site.Upload(CabrilloLog("R3KV", "SOAB-CW-LP", {}));
  const std::vector<httplib::Result> answers = [&] {
    std::vector<httplib::Result> all;
    all.push_back(site.Client().Get("/en/"));
    all.push_back(site.Client().Get("/ru/received"));
    all.push_back(site.Client().Get("/nothing/here"));
    all.push_back(site.Upload(""));
    all.push_back(site.Upload(CabrilloLog("R3KV", "SOAB-CW-LP", {})));
    return all;
  }();
  for (const httplib::Result& answer : answers) {
    ASSERT_TRUE(answer);
    const std::string policy = answer->get_header_value("Content-Security-Policy");
    EXPECT_TRUE(Contains(policy, "default-src 'none'")) << answer->status;
    EXPECT_TRUE(Contains(policy, "frame-ancestors 'none'")) << answer->status;
    EXPECT_FALSE(Contains(policy, "unsafe")) << answer->status;
    EXPECT_EQ(answer->get_header_value("X-Content-Type-Options"), "nosniff");
    EXPECT_EQ(answer->get_header_value("Referrer-Policy"), "no-referrer");
  }
  EXPECT_EQ(answers[2]->status, 404);
}

// The zip's central directory read back, each file inflated with zlib.
std::map<std::string, std::string> Unzipped(const std::string& zip) {
  const auto u16 = [&](std::size_t at) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(zip[at]) |
                                      static_cast<unsigned char>(zip[at + 1]) << 8);
  };
  const auto u32 = [&](std::size_t at) { return u16(at) | u16(at + 2) << 16; };
  const std::size_t end = zip.size() - 22;
  EXPECT_EQ(u32(end), 0x06054b50u);
  std::map<std::string, std::string> files;
  std::size_t entry = u32(end + 16);
  for (std::uint32_t i = 0; i < u16(end + 10); ++i) {
    EXPECT_EQ(u32(entry), 0x02014b50u);
    const std::string name = zip.substr(entry + 46, u16(entry + 28));
    const std::size_t local = u32(entry + 42);
    const std::size_t data = local + 30 + u16(local + 26) + u16(local + 28);
    std::string contents(u32(entry + 24), '\0');
    z_stream stream{};
    inflateInit2(&stream, -MAX_WBITS);
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(zip.data() + data));
    stream.avail_in = u32(entry + 20);
    stream.next_out = reinterpret_cast<Bytef*>(contents.data());
    stream.avail_out = static_cast<uInt>(contents.size());
    EXPECT_EQ(inflate(&stream, Z_FINISH), Z_STREAM_END) << name;
    inflateEnd(&stream);
    EXPECT_EQ(crc32(0, reinterpret_cast<const Bytef*>(contents.data()),
                    static_cast<uInt>(contents.size())),
              u32(entry + 16))
        << name;
    files[name] = contents;
    entry += 46 + name.size() + u16(entry + 30) + u16(entry + 32);
  }
  return files;
}

TEST(Site, AllLogsComeAsOneZipWithTheReplacedOnesAsideAndNoFormulaInTheList) {
  RunningSite site;
  const std::string first = CabrilloLog("R3KV/P", "SOAB-CW-LP", {});
  const std::string second = CabrilloLog("R3KV/P", "SOAB-CW-HP", {});
  const std::string other = CabrilloLog("UA3A", "SOAB-CW-LP", {});
  ASSERT_EQ(site.Upload(first)->status, 200);
  ASSERT_EQ(site.Upload(other, {}, {}, "log.cbr", "=2+3@example.org")->status, 200);
  ASSERT_EQ(site.Upload(second)->status, 200);
  const auto [session, csrf] = site.LogIn();
  const auto zip = site.Client().Get("/committee/logs.zip", {{"Cookie", session}});
  ASSERT_EQ(zip->status, 200);
  EXPECT_EQ(zip->get_header_value("Content-Type"), "application/zip");
  const auto files = Unzipped(zip->body);
  ASSERT_EQ(files.size(), 4u);
  EXPECT_EQ(files.at("R3KV_P.log"), second);
  EXPECT_EQ(files.at("UA3A.log"), other);
  EXPECT_EQ(files.at("replaced/1-R3KV_P.log"), first);
  EXPECT_TRUE(Contains(files.at("logs.csv"), "1,\"R3KV/P\",\"SOAB-CW-LP\",\"op@example.org\","));
  // A spreadsheet opening the list takes no field for a formula.
  EXPECT_TRUE(Contains(files.at("logs.csv"), "2,\"UA3A\",\"SOAB-CW-LP\",\"'=2+3@example.org\","));
}

}  // namespace
}  // namespace logrobot
