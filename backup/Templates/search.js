/* The search box of an archive's index page (index.html in a user folder).

   It runs from disk in any browser and in the system's web browser control: plain ES5
   (no let, const, arrow functions, template strings, fetch or classList), nothing
   fetched from the network. The search data are script files beside the page, one a
   year ("search-2008.js", the years named by the results element), each calling
   NookSearchYear(year, records); they are loaded with plain script elements the first
   time a search runs, which file:// allows where a request for a file would be refused.
   A diary is found when its title, text and comments together hold every word typed,
   a post when its text does; each word is a substring (Chinese has no blanks between
   words), Latin letters in either case. Every text of the data goes into the page as a
   text node, never as markup. The query is kept in the address ("#q=..."), so that a
   search can be bookmarked and is done again when the page opens. */
(function () {
    var form = document.getElementById('search');
    var box = document.getElementById('q');
    var results = document.getElementById('results');
    if (!form || !box || !results) return;

    var records = [];
    var loading = 0; // 0: data not asked for, 1: loading, 2: loaded
    var waiting = [];
    var shown = null; // the query whose outcome is shown or on its way
    var timer = null;

    window.NookSearchYear = function (year, list) {
        for (var i = 0; i < list.length; i++) records.push(list[i]);
    };

    function textNode(text) {
        return document.createTextNode(text);
    }

    function element(name, className, text) {
        var made = document.createElement(name);
        if (className) made.className = className;
        if (text !== undefined) made.appendChild(textNode(text));
        return made;
    }

    function clear(node) {
        while (node.firstChild) node.removeChild(node.firstChild);
    }

    function dataYears() {
        var named = (results.getAttribute('data-years') || '').split(' ');
        var years = [];
        for (var i = 0; i < named.length; i++) {
            if (/^-?[0-9]+$/.test(named[i])) years.push(named[i]);
        }
        return years;
    }

    // Calls `done` once, when the script has run or could not be loaded (older engines
    // tell only through onreadystatechange).
    function watch(script, done) {
        var called = false;
        function once() {
            if (called) return;
            called = true;
            script.onload = script.onerror = script.onreadystatechange = null;
            done();
        }
        script.onload = once;
        script.onerror = once;
        script.onreadystatechange = function () {
            if (script.readyState === 'loaded' || script.readyState === 'complete') once();
        };
    }

    function withData(done) {
        if (loading === 2) {
            done();
            return;
        }
        waiting.push(done);
        if (loading === 1) return;
        loading = 1;
        var years = dataYears();
        var left = years.length + 1;
        var parent = document.getElementsByTagName('head')[0] || document.body;
        function loaded() {
            if (--left > 0) return;
            loading = 2;
            var calls = waiting;
            waiting = [];
            for (var i = 0; i < calls.length; i++) calls[i]();
        }
        for (var i = 0; i < years.length; i++) {
            var script = document.createElement('script');
            script.type = 'text/javascript';
            watch(script, loaded);
            script.src = 'search-' + years[i] + '.js';
            parent.appendChild(script);
        }
        loaded();
    }

    // Latin capitals as small letters, every other character as it is: the text keeps
    // its length, so positions found in it hold in the original.
    function fold(text) {
        return text.replace(/[A-Z\u00c0-\u00d6\u00d8-\u00de]/g, function (c) {
            return String.fromCharCode(c.charCodeAt(0) + 32);
        });
    }

    function wordsOf(query) {
        var parts = fold(query).split(/[\s\u00a0\u3000]+/);
        var words = [];
        for (var i = 0; i < parts.length; i++) {
            if (parts[i] !== '') words.push(parts[i]);
        }
        return words;
    }

    function foldedText(record) {
        if (record.folded === undefined) {
            record.folded = fold((record.t || '') + '\n' + (record.x || '') + '\n' + (record.c || ''));
        }
        return record.folded;
    }

    function holdsAll(record, words) {
        var text = foldedText(record);
        for (var i = 0; i < words.length; i++) {
            if (text.indexOf(words[i]) < 0) return false;
        }
        return true;
    }

    function newestFirst(a, b) {
        if (a.d !== b.d) return a.d < b.d ? 1 : -1;
        if (a.k !== b.k) return a.k === 'd' ? -1 : 1;
        return b.id - a.id;
    }

    function isTrailSurrogate(code) {
        return code >= 0xdc00 && code <= 0xdfff;
    }

    // The piece of the text, or else of the comments, around the first word found in it.
    function excerptOf(record, words) {
        var fields = [record.x || '', record.c || ''];
        for (var f = 0; f < fields.length; f++) {
            var folded = fold(fields[f]);
            var at = -1;
            for (var i = 0; i < words.length; i++) {
                var found = folded.indexOf(words[i]);
                if (found >= 0 && (at < 0 || found < at)) at = found;
            }
            if (at >= 0) return piece(fields[f], at, f === 1);
        }
        return piece(fields[0], 0, false);
    }

    function piece(text, at, inComments) {
        var start = Math.max(0, at - 24);
        var end = Math.min(text.length, start + 96);
        if (start > 0 && isTrailSurrogate(text.charCodeAt(start))) start--;
        if (end < text.length && isTrailSurrogate(text.charCodeAt(end))) end++;
        return {
            text: (start > 0 ? '\u2026' : '') + text.substring(start, end) + (end < text.length ? '\u2026' : ''),
            inComments: inComments
        };
    }

    // The text with every word in it marked.
    function appendMarked(parent, text, words) {
        var folded = fold(text);
        var at = 0;
        while (at < text.length) {
            var next = -1;
            var length = 0;
            for (var i = 0; i < words.length; i++) {
                var found = folded.indexOf(words[i], at);
                if (found >= 0 && (next < 0 || found < next || (found === next && words[i].length > length))) {
                    next = found;
                    length = words[i].length;
                }
            }
            if (next < 0) break;
            if (next > at) parent.appendChild(textNode(text.substring(at, next)));
            parent.appendChild(element('mark', '', text.substring(next, next + length)));
            at = next + length;
        }
        if (at < text.length) parent.appendChild(textNode(text.substring(at)));
    }

    function titleOf(record) {
        if (record.k === 'd') return record.t || '\u65e0\u6807\u9898';
        var text = record.x || '';
        return text.length > 30 ? text.substring(0, 30) + '\u2026' : text;
    }

    // Only the archive's own pages are linked: "year/month/page.html".
    var pageLink = /^-?[0-9]+\/-?[0-9]+\/(-?[0-9]+|TwitterList)\.html$/;

    function hitOf(record, words) {
        var item = element('li', 'hit');
        var link = element(pageLink.test(record.u || '') ? 'a' : 'span', 'hit-link');
        if (link.nodeName.toLowerCase() === 'a') link.setAttribute('href', record.u);
        var title = element('span', 'hit-title');
        appendMarked(title, titleOf(record), words);
        link.appendChild(title);
        if (record.k === 'p') link.appendChild(element('span', 'hit-kind', '\u8ff7\u4f60\u65e5\u8bb0'));
        link.appendChild(element('span', 'hit-day', record.d || ''));
        var excerpt = excerptOf(record, words);
        var snippet = element('span', 'hit-excerpt');
        if (excerpt.inComments) snippet.appendChild(element('span', 'hit-kind', '\u7559\u8a00'));
        appendMarked(snippet, excerpt.text, words);
        link.appendChild(snippet);
        item.appendChild(link);
        return item;
    }

    function summaryOf(query, diaries, posts) {
        if (diaries + posts === 0) return '\u6ca1\u6709\u627e\u5230\u542b\u6709\u201c' + query + '\u201d\u7684\u65e5\u8bb0\u3001\u7559\u8a00\u6216\u8ff7\u4f60\u65e5\u8bb0';
        var found = [];
        if (diaries > 0) found.push(diaries + ' \u7bc7\u65e5\u8bb0');
        if (posts > 0) found.push(posts + ' \u6761\u8ff7\u4f60\u65e5\u8bb0');
        return '\u627e\u5230 ' + found.join('\u3001');
    }

    function show(query) {
        var words = wordsOf(query);
        clear(results);
        results.className = '';
        if (words.length === 0) return;
        var hits = [];
        var diaries = 0;
        for (var i = 0; i < records.length; i++) {
            if (!holdsAll(records[i], words)) continue;
            hits.push(records[i]);
            if (records[i].k === 'd') diaries++;
        }
        hits.sort(newestFirst);
        results.className = 'found';
        results.appendChild(element('div', 'summary', summaryOf(query, diaries, hits.length - diaries)));
        var list = element('ul', 'hits');
        for (var h = 0; h < hits.length; h++) list.appendChild(hitOf(hits[h], words));
        results.appendChild(list);
    }

    function run(query) {
        if (query === shown) return;
        shown = query;
        if (wordsOf(query).length === 0 || loading === 2) {
            show(query);
            return;
        }
        clear(results);
        results.className = 'found';
        results.appendChild(element('div', 'summary', '\u6b63\u5728\u641c\u7d22\u2026'));
        withData(function () {
            if (shown === query) {
                shown = null;
                run(query);
            }
        });
    }

    function queryInAddress() {
        var hash = location.hash || '';
        if (hash.indexOf('#q=') !== 0) return '';
        var coded = hash.substring(3).replace(/\+/g, ' ');
        try {
            return decodeURIComponent(coded);
        } catch (e) {
            return coded; // an engine that gives the fragment decoded
        }
    }

    function keepInAddress(query) {
        var hash = query === '' ? '' : '#q=' + encodeURIComponent(query);
        if ((location.hash || '') === hash) return;
        try {
            if (window.history && history.replaceState) {
                history.replaceState(null, '', location.href.split('#')[0] + hash);
                return;
            }
        } catch (e) {
            // Some engines refuse it for pages opened from disk.
        }
        location.replace(hash === '' ? '#' : hash);
    }

    function searchNow() {
        if (timer !== null) clearTimeout(timer);
        timer = null;
        keepInAddress(box.value);
        run(box.value);
    }

    function typed() {
        if (timer !== null) clearTimeout(timer);
        timer = setTimeout(searchNow, 250);
    }

    box.onkeyup = typed;
    box.oninput = typed;
    box.onchange = typed;
    form.onsubmit = function () {
        searchNow();
        return false;
    };
    window.onhashchange = function () {
        var query = queryInAddress();
        if (query === shown) return;
        box.value = query;
        run(query);
    };

    var opened = queryInAddress();
    if (opened !== '') {
        box.value = opened;
        run(opened);
    }
})();
