// The CDDB client with fixed names in its hello, so requests compare exactly, and the disc the
// client tests look up.
#ifndef ORV_TESTS_DISCFETCH_TEST_CLIENT_H
#define ORV_TESTS_DISCFETCH_TEST_CLIENT_H

#include <string>

#include "discfetch/cddb_client.h"

namespace orv::discfetch::testing {

class TestClient : public CddbClient {
 protected:
  std::string UserName() override { return "jean_paul"; }
  std::string HostName() override { return "pc_salon"; }
};

inline const platform::DiscToc kTestToc = {{0, 2, 0}, {3, 30, 37}, {7, 1, 12}};
inline constexpr uint32_t kTestDiscId = 0x0501a302;

}  // namespace orv::discfetch::testing

#endif  // ORV_TESTS_DISCFETCH_TEST_CLIENT_H
