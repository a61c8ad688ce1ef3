// The scenario page's hooks for the test's driver, which calls them through Selenium.
Module['test'] = {
  load: function () {
    Module['_drobi_test_load']();
  },
  script: function (draws, from) {
    var at = _malloc(Math.max(1, draws.length) * 4);
    HEAPF32.set(draws, at >> 2);
    Module['_drobi_test_script'](at, draws.length, from);
    _free(at);
  },
  setText: function (field, text) {
    var at = allocateUTF8(text);
    Module['_drobi_test_set_text'](field, at);
    _free(at);
  },
  state: function () {
    return UTF8ToString(Module['_drobi_test_state']());
  },
};
