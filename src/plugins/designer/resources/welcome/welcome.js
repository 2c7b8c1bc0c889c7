// SPDX-License-Identifier: MIT
// The welcome page of Zenub Animate. It reaches the application only through the web channel
// object "znwelcome", over the local WebSocket whose port the application puts in the page
// address ("?port=N&token=T").
(function () {
    "use strict";

    var texts = {
        en: {
            tagline: "Create HTML5 animations",
            newProject: "New Project",
            openProject: "Open Project",
            hint: "You can also drop a .zenub project onto this window.",
            recentProjects: "Recent Projects",
            noRecent: "No recent projects yet. Create a new project or open an existing one.",
            resources: "Resources",
            reveal: "Show in folder",
            remove: "Remove from list",
            offline: "The welcome page cannot reach Zenub Animate. Use the File menu instead.",
            version: "Version %1",
            homepage: "Home page",
            homepageDetail: "News, features and tutorials",
            community: "Community",
            communityDetail: "Ask and share with other users",
            demo: "Demo projects",
            demoDetail: "Learn from finished animations",
            youtube: "YouTube",
            youtubeDetail: "Watch video tutorials",
            facebook: "Facebook",
            facebookDetail: "Follow Zenub Animate"
        },
        de: {
            tagline: "HTML5-Animationen erstellen",
            newProject: "Neues Projekt",
            openProject: "Projekt öffnen",
            hint: "Sie können ein .zenub-Projekt auch auf dieses Fenster ziehen.",
            recentProjects: "Zuletzt verwendete Projekte",
            noRecent: "Noch keine zuletzt verwendeten Projekte. Legen Sie ein neues Projekt an oder öffnen Sie ein vorhandenes.",
            resources: "Ressourcen",
            reveal: "Im Ordner anzeigen",
            remove: "Aus der Liste entfernen",
            offline: "Die Startseite erreicht Zenub Animate nicht. Verwenden Sie stattdessen das Menü Datei.",
            version: "Version %1",
            homepage: "Homepage",
            homepageDetail: "Neuigkeiten, Funktionen und Anleitungen",
            community: "Community",
            communityDetail: "Mit anderen Anwendern austauschen",
            demo: "Demo-Projekte",
            demoDetail: "Von fertigen Animationen lernen",
            youtube: "YouTube",
            youtubeDetail: "Video-Anleitungen ansehen",
            facebook: "Facebook",
            facebookDetail: "Zenub Animate folgen"
        }
    };
    var resourceKeys = ["homepage", "community", "demo", "youtube", "facebook"];

    var language = "en";
    var welcome = null;
    var resourceUrls = {};
    var buildNumber = "";

    function tr(key) {
        var table = texts[language] || texts.en;
        return key in table ? table[key] : texts.en[key];
    }

    function byId(id) {
        return document.getElementById(id);
    }

    function svg(pathData, className) {
        var namespace = "http://www.w3.org/2000/svg";
        var element = document.createElementNS(namespace, "svg");
        element.setAttribute("viewBox", "0 0 24 24");
        element.setAttribute("aria-hidden", "true");
        if (className)
            element.setAttribute("class", className);
        var path = document.createElementNS(namespace, "path");
        path.setAttribute("d", pathData);
        element.appendChild(path);
        return element;
    }

    var icons = {
        folder: "M3 6a2 2 0 0 1 2-2h5l2 2h7a2 2 0 0 1 2 2v10a2 2 0 0 1-2 2H5a2 2 0 0 1-2-2z",
        remove: "M6.4 5 12 10.6 17.6 5 19 6.4 13.4 12l5.6 5.6-1.4 1.4-5.6-5.6L6.4 19 5 17.6 10.6 12 5 6.4z"
    };

    function fileIcon() {
        var namespace = "http://www.w3.org/2000/svg";
        var element = document.createElementNS(namespace, "svg");
        element.setAttribute("viewBox", "0 0 28 28");
        element.setAttribute("class", "file-icon");
        element.setAttribute("aria-hidden", "true");
        var sheet = document.createElementNS(namespace, "path");
        sheet.setAttribute("d", "M6 2h11l6 6v16a2 2 0 0 1-2 2H6a2 2 0 0 1-2-2V4a2 2 0 0 1 2-2z");
        sheet.setAttribute("fill", "#343a46");
        var play = document.createElementNS(namespace, "path");
        play.setAttribute("d", "M11 11v9l7-4.5z");
        play.setAttribute("fill", "#ff6a4d");
        element.appendChild(sheet);
        element.appendChild(play);
        return element;
    }

    // Splits a path with either kind of separator into its folder and file name.
    function splitPath(path) {
        var cut = Math.max(path.lastIndexOf("/"), path.lastIndexOf("\\"));
        return { folder: cut >= 0 ? path.substring(0, cut) : "", name: path.substring(cut + 1) };
    }

    function applyTexts() {
        document.documentElement.lang = language;
        var elements = document.querySelectorAll("[data-i18n]");
        for (var i = 0; i < elements.length; i++)
            elements[i].textContent = tr(elements[i].getAttribute("data-i18n"));
        byId("build-number").textContent = buildNumber ? tr("version").replace("%1", buildNumber) : "";
        renderResources();
        var buttons = document.querySelectorAll("[data-tooltip]");
        for (var j = 0; j < buttons.length; j++) {
            var label = tr(buttons[j].getAttribute("data-tooltip"));
            buttons[j].title = label;
            buttons[j].setAttribute("aria-label", label);
        }
    }

    function iconButton(kind, tooltip, action) {
        var button = document.createElement("button");
        button.type = "button";
        button.className = "icon-button " + kind;
        button.setAttribute("data-tooltip", tooltip);
        button.title = tr(tooltip);
        button.setAttribute("aria-label", tr(tooltip));
        button.appendChild(svg(icons[kind]));
        button.addEventListener("click", function (event) {
            event.stopPropagation();
            action();
        });
        return button;
    }

    function renderRecent(paths) {
        var list = byId("recent-list");
        while (list.firstChild)
            list.removeChild(list.firstChild);
        (paths || []).forEach(function (path) {
            if (typeof path !== "string" || path.length === 0)
                return;
            var parts = splitPath(path);
            var item = document.createElement("li");
            item.className = "recent-item";
            item.tabIndex = 0;
            item.title = path;
            item.setAttribute("data-path", path);

            var text = document.createElement("div");
            text.className = "recent-text";
            var name = document.createElement("div");
            name.className = "recent-name";
            name.textContent = parts.name;
            var folder = document.createElement("div");
            folder.className = "recent-path";
            folder.textContent = parts.folder;
            text.appendChild(name);
            text.appendChild(folder);

            var actions = document.createElement("div");
            actions.className = "recent-actions";
            actions.appendChild(iconButton("folder", "reveal", function () { welcome.showInExplorer(path); }));
            actions.appendChild(iconButton("remove", "remove", function () { welcome.removeFile(path); }));

            item.appendChild(fileIcon());
            item.appendChild(text);
            item.appendChild(actions);
            item.addEventListener("click", function () { welcome.openFile(path); });
            item.addEventListener("keydown", function (event) {
                if (event.key === "Enter" && event.target === item)
                    welcome.openFile(path);
            });
            list.appendChild(item);
        });
        byId("recent-empty").hidden = list.children.length > 0;
    }

    function renderResources() {
        var container = byId("resource-links");
        while (container.firstChild)
            container.removeChild(container.firstChild);
        resourceKeys.forEach(function (key) {
            var url = resourceUrls[key];
            if (typeof url !== "string" || url.length === 0)
                return;
            var link = document.createElement("a");
            link.className = "resource-link";
            link.href = "#";
            link.title = url;
            link.setAttribute("data-key", key);
            var label = document.createElement("strong");
            label.textContent = tr(key);
            var detail = document.createElement("span");
            detail.textContent = tr(key + "Detail");
            link.appendChild(label);
            link.appendChild(detail);
            // The application opens links in the user's browser; the page never navigates away.
            link.addEventListener("click", function (event) {
                event.preventDefault();
                welcome.openURL(url);
            });
            container.appendChild(link);
        });
    }

    function loadRecent() {
        welcome.getRecentFileList(renderRecent);
    }

    function setState(state) {
        document.body.setAttribute("data-state", state);
        byId("offline").hidden = state !== "offline";
        var connected = state === "ready";
        byId("new-project").disabled = !connected;
        byId("open-project").disabled = !connected;
    }

    function goOffline() {
        setState("offline");
    }

    function onChannel(channel) {
        welcome = channel.objects.znwelcome;
        if (!welcome) {
            setState("offline");
            return;
        }
        welcome.resetRecentFiles.connect(loadRecent);
        var pending = 3;
        function answered() {
            if (--pending === 0) {
                applyTexts();
                setState("ready");
            }
        }
        welcome.callbackAsyncfromJS("WelcomeScreen.getLocale", "", function (locale) {
            language = typeof locale === "string" && locale.indexOf("de") === 0 ? "de" : "en";
            answered();
        });
        welcome.callbackAsyncfromJS("WelcomeScreen.getBuildNumber", "", function (build) {
            buildNumber = typeof build === "string" ? build : "";
            answered();
        });
        welcome.getResourceUrls(function (urls) {
            resourceUrls = urls && typeof urls === "object" ? urls : {};
            answered();
        });
        loadRecent();
    }

    // The page's first script has opened the socket already; it may even be open by now.
    function connect() {
        var socket = window.welcomeSocket;
        if (!socket || typeof QWebChannel !== "function") {
            if (socket)
                socket.close();
            setState("offline");
            return;
        }
        function start() {
            new QWebChannel(socket, onChannel);
        }
        socket.addEventListener("error", goOffline);
        socket.addEventListener("close", goOffline);
        if (socket.readyState === WebSocket.OPEN)
            start();
        else if (socket.readyState === WebSocket.CONNECTING)
            socket.addEventListener("open", start);
        else
            goOffline();
    }

    document.addEventListener("DOMContentLoaded", function () {
        // The application names its theme in the address; the page is dark unless told so.
        if (new URLSearchParams(window.location.search).get("theme") === "light")
            document.documentElement.classList.add("light");
        applyTexts();
        setState("connecting");
        // The page stays invisible while it learns the language, unless that takes too long.
        window.setTimeout(function () { document.body.classList.add("settled"); }, 1500);
        byId("new-project").addEventListener("click", function () {
            welcome.callbackTunnelAsync("File.New");
        });
        byId("open-project").addEventListener("click", function () {
            welcome.callbackTunnelAsync("File.Open_Project");
        });
        connect();
    });
})();
